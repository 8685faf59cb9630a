#include "stormline/mainwindow/form5_warning2.h"

#include "stormline/mainwindow/dialog_design.h"
#include "stormline/mainwindow/dialog_placement.h"
#include "stormline/mainwindow/dialog_texts.h"

namespace stormline {

TForm5Warning2::TForm5Warning2(forms::Application& application, const forms::Form& mainWindow,
                               const LanguageTexts& texts)
    : forms::Form(application,
                  dialogDesign("TForm5Warning2", "Form5Warning2", u"WARNING!", 389, 113)),
      TntLabel1(add<forms::Label>("TntLabel1", {.bounds = {8, 16, 302, 14}, .transparent = true})),
      bsSkinButtonOK(add<forms::SkinButton>(
          "bsSkinButtonOK", {.bounds = {304, 51, 50, 25}, .skinElement = "button"})),
      mainWindow_(mainWindow),
      texts_(texts) {
    onCreate = [this] { FormCreate(); };
    onShow = [this] { FormShow(); };
    bsSkinButtonOK.onClick = [this] { bsSkinButtonOKClick(); };
}

void TForm5Warning2::FormCreate() {
    const forms::Font& font = texts_.font();
    TntLabel1.setFont(font.withColour(forms::colours::White));
    bsSkinButtonOK.setFont(font.inBold());
    bsSkinButtonOK.setCaption(texts_.text(dialog_text::Ok));
    setCaption(texts_.text(dialog_text::WarningCaption));
    TntLabel1.setCaption(texts_.text(dialog_text::PlugInMessage));
}

void TForm5Warning2::FormShow() {
    moveTo(dialogPosition(mainWindow_));
}

void TForm5Warning2::bsSkinButtonOKClick() {
    application().terminate();
}

}  // namespace stormline
