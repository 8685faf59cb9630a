#pragma once
// The progress dialog, shown while a profile is uploaded or the keyboard is read: a bar of
// eight slots that the transfers fill with red segments, and a progress bar.

#include <array>

#include "forms/application.h"
#include "forms/image.h"
#include "forms/progress_bar.h"
#include "stormline/mainwindow/language_texts.h"

namespace stormline {

class TForm6Loading : public forms::Form {
  public:
    static constexpr int SegmentCount = 8;

    TForm6Loading(forms::Application& application, const forms::Form& mainWindow,
                  const LanguageTexts& texts);

    // Segment n (1-8), as the transfers name them.
    forms::Image& img(int n) const { return *segments_.at(static_cast<std::size_t>(n - 1)); }
    // Shows segment 1 alone, as every transfer starts.
    void showFirstSegmentOnly();

    forms::Image& Image2;
    forms::ProgressBar& PBar;

  private:
    void FormCreate();
    void FormShow();
    void FormDestroy();

    std::array<forms::Image*, SegmentCount> segments_{};
    const forms::Form& mainWindow_;
    const LanguageTexts& texts_;
};

}  // namespace stormline
