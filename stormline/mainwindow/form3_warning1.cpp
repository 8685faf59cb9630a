#include "stormline/mainwindow/form3_warning1.h"

#include "stormline/mainwindow/dialog_design.h"
#include "stormline/mainwindow/dialog_placement.h"
#include "stormline/mainwindow/dialog_texts.h"

namespace stormline {

TForm3Warning1::TForm3Warning1(forms::Application& application, const forms::Form& mainWindow,
                               const LanguageTexts& texts)
    : forms::Form(application,
                  dialogDesign("TForm3Warning1", "Form3Warning1", u"WARNING", 444, 120)),
      TntLabel1(add<forms::Label>(
          "TntLabel1", {.bounds = {8, 24, 345, 41}, .transparent = true, .wordWrap = true})),
      bsSkinButtonOK(add<forms::SkinButton>(
          "bsSkinButtonOK", {.bounds = {304, 59, 50, 25}, .skinElement = "button"})),
      bsSkinButtonNO(add<forms::SkinButton>(
          "bsSkinButtonNO", {.bounds = {358, 59, 50, 25}, .skinElement = "button"})),
      mainWindow_(mainWindow),
      texts_(texts) {
    onCreate = [this] { FormCreate(); };
    onShow = [this] { FormShow(); };
    onDestroy = [this] { FormDestroy(); };
    bsSkinButtonOK.onClick = [this] { bsSkinButtonOKClick(); };
    bsSkinButtonNO.onClick = [this] { bsSkinButtonNOClick(); };
}

void TForm3Warning1::FormCreate() {
    const forms::Font& font = texts_.font();
    TntLabel1.setFont(font.withColour(forms::colours::White));
    bsSkinButtonOK.setFont(font.inBold());
    bsSkinButtonNO.setFont(font.inBold());
    bsSkinButtonOK.setCaption(texts_.text(dialog_text::Ok));
    bsSkinButtonNO.setCaption(texts_.text(dialog_text::No));
    setCaption(texts_.text(dialog_text::WarningCaption));
    TntLabel1.setCaption(texts_.text(dialog_text::ResetMessage));
}

void TForm3Warning1::FormShow() {
    confirmed = false;
    moveTo(dialogPosition(mainWindow_));
}

void TForm3Warning1::FormDestroy() {
    application().terminate();
}

void TForm3Warning1::bsSkinButtonOKClick() {
    confirmed = true;
    close();
}

void TForm3Warning1::bsSkinButtonNOClick() {
    confirmed = false;
    close();
}

}  // namespace stormline
