#include "stormline/mainwindow/form6_loading.h"

#include <string>

#include "stormline/mainwindow/dialog_design.h"
#include "stormline/mainwindow/dialog_placement.h"
#include "stormline/mainwindow/dialog_texts.h"

namespace stormline {

TForm6Loading::TForm6Loading(forms::Application& application, const forms::Form& mainWindow,
                             const LanguageTexts& texts)
    : forms::Form(application,
                  dialogDesign("TForm6Loading", "Form6Loading", u"Waiting..", 405, 72)),
      Image2(add<forms::Image>("Image2", {.bounds = {24, 8, 342, 26}})),
      PBar(add<forms::ProgressBar>("PBar", {.bounds = {32, 64, 342, 17}, .min = 0, .max = 1000})),
      mainWindow_(mainWindow),
      texts_(texts) {
    for (int n = 1; n <= SegmentCount; ++n) {
        segments_[static_cast<std::size_t>(n - 1)] = &add<forms::Image>(
            "img" + std::to_string(n), {.bounds = {32 + 41 * (n - 1), 15, 40, 11}});
    }
    onCreate = [this] { FormCreate(); };
    onShow = [this] { FormShow(); };
    onDestroy = [this] { FormDestroy(); };
}

void TForm6Loading::showFirstSegmentOnly() {
    for (int n = 1; n <= SegmentCount; ++n)
        img(n).setVisible(n == 1);
}

void TForm6Loading::FormCreate() {
    Image2.show();
    showFirstSegmentOnly();
    setCaption(texts_.text(dialog_text::UploadCaption));
}

void TForm6Loading::FormShow() {
    moveTo(dialogPosition(mainWindow_));
}

void TForm6Loading::FormDestroy() {
    application().terminate();
}

}  // namespace stormline
