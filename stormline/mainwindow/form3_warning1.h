#pragma once
// The reset confirmation: asks before a profile is cleared and rewritten on the keyboard.
// Shown modally; `confirmed` then tells whether the user pressed OK.

#include "forms/application.h"
#include "forms/label.h"
#include "forms/skin_button.h"
#include "stormline/mainwindow/language_texts.h"

namespace stormline {

class TForm3Warning1 : public forms::Form {
  public:
    TForm3Warning1(forms::Application& application, const forms::Form& mainWindow,
                   const LanguageTexts& texts);

    // The answer of the last showing: true only when it ended with OK. A showing that ends any
    // other way (the application ending, a program closing the window) answers no, so that an
    // earlier answer never leads to a reset.
    bool confirmed = false;

    forms::Label& TntLabel1;
    forms::SkinButton& bsSkinButtonOK;
    forms::SkinButton& bsSkinButtonNO;

  private:
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void bsSkinButtonOKClick();
    void bsSkinButtonNOClick();

    const forms::Form& mainWindow_;
    const LanguageTexts& texts_;
};

}  // namespace stormline
