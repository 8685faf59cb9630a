#pragma once
// The plug-in warning: shown while the keyboard is missing; its OK button ends the application.

#include "forms/application.h"
#include "forms/label.h"
#include "forms/skin_button.h"
#include "stormline/mainwindow/language_texts.h"

namespace stormline {

class TForm5Warning2 : public forms::Form {
  public:
    TForm5Warning2(forms::Application& application, const forms::Form& mainWindow,
                   const LanguageTexts& texts);

    forms::Label& TntLabel1;
    forms::SkinButton& bsSkinButtonOK;

  private:
    void FormCreate();
    void FormShow();
    void bsSkinButtonOKClick();

    const forms::Form& mainWindow_;
    const LanguageTexts& texts_;
};

}  // namespace stormline
