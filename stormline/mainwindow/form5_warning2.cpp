#include "stormline/mainwindow/form5_warning2.h"

#include "stormline/mainwindow/dialog_placement.h"
#include "stormline/mainwindow/dialog_texts.h"

namespace stormline {

namespace {

forms::FormDesign design() {
    forms::FormDesign d;
    d.className = "TForm5Warning2";
    d.name = "Form5Warning2";
    d.caption = u"WARNING!";
    d.clientWidth = 389;
    d.clientHeight = 113;
    d.closeBox = false;
    d.skinFile = "skin.ini";
    return d;
}

}  // namespace

TForm5Warning2::TForm5Warning2(forms::Application& application, const forms::Form& mainWindow,
                               const LanguageTexts& texts)
    : forms::Form(application, design()),
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
