// The main window's three dialogs: texts, fonts, placement, buttons and termination.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_fixture.h"
#include "stormline/mainwindow/form3_warning1.h"
#include "stormline/mainwindow/form5_warning2.h"
#include "stormline/mainwindow/form6_loading.h"
#include "stormline/mainwindow/show_form_by_name.h"
#include "test_folder.h"

namespace stormline {
namespace {

using forms::Form;

// A language whose text n reads "text n", in a font of its own.
class NumberedTexts : public LanguageTexts {
  public:
    NumberedTexts() {
        font_.face = u"MS PGothic";
        font_.charset = 128;
        font_.sizePoints = 9;
    }
    std::u16string text(int number) const override {
        const std::string digits = std::to_string(number);
        return u"text " + std::u16string(digits.begin(), digits.end());
    }
    const forms::Font& font() const override { return font_; }

  private:
    forms::Font font_;
};

class DialogsTest : public forms::testing::HeadlessTest {
  protected:
    void createDialogs(const LanguageTexts& texts) {
        warning1 = &app.createForm<TForm3Warning1>(main, texts);
        warning2 = &app.createForm<TForm5Warning2>(main, texts);
        loading = &app.createForm<TForm6Loading>(main, texts);
    }

    Form& main = app.createForm<Form>(forms::testing::plainDesign("KsForm1", 827, 586));
    TForm3Warning1* warning1 = nullptr;
    TForm5Warning2* warning2 = nullptr;
    TForm6Loading* loading = nullptr;
};

TEST_F(DialogsTest, EachDialogTakesItsTextsAndFontsWhenCreated) {
    NumberedTexts texts;
    createDialogs(texts);
    EXPECT_EQ(warning1->caption(), u"text 31");
    EXPECT_EQ(warning1->TntLabel1.caption(), u"text 32");
    EXPECT_EQ(warning1->bsSkinButtonOK.caption(), u"text 29");
    EXPECT_EQ(warning1->bsSkinButtonNO.caption(), u"text 30");
    EXPECT_EQ(warning2->caption(), u"text 31");
    EXPECT_EQ(warning2->TntLabel1.caption(), u"text 33");
    EXPECT_EQ(warning2->bsSkinButtonOK.caption(), u"text 29");
    EXPECT_EQ(loading->caption(), u"text 34");

    EXPECT_EQ(warning1->TntLabel1.font(), texts.font().withColour(forms::colours::White));
    EXPECT_EQ(warning2->TntLabel1.font(), texts.font().withColour(forms::colours::White));
    for (const forms::SkinButton* b :
         {&warning1->bsSkinButtonOK, &warning1->bsSkinButtonNO, &warning2->bsSkinButtonOK}) {
        EXPECT_EQ(b->font(), texts.font().inBold());
        EXPECT_EQ(b->skinElement(), "button");
    }
    EXPECT_TRUE(warning1->TntLabel1.wordWrap());
    EXPECT_TRUE(warning1->TntLabel1.transparent());
    EXPECT_TRUE(warning2->TntLabel1.transparent());
}

TEST(DialogSkin, EveryDialogLoadsTheDialogSkinFileNotTheMainWindows) {
    forms::testing::TestFolder folder;
    folder.write("skin/skin.ini",
                 "[button]\ncolour=303030\n"
                 "[form:TForm3Warning1]\ncolour=101010\n"
                 "[form:TForm5Warning2]\ncolour=101010\n"
                 "[form:TForm6Loading]\ncolour=101010\n");
    folder.write("skin/mainskin.ini", "[button]\ncolour=FF0000\n");
    forms::headless::HeadlessBackend backend(folder.path());
    forms::Application app(backend);
    Form& main = app.createForm<Form>(forms::testing::plainDesign("KsForm1"));
    NoLanguageTexts none;
    const Form* dialogs[] = {&app.createForm<TForm3Warning1>(main, none),
                             &app.createForm<TForm5Warning2>(main, none),
                             &app.createForm<TForm6Loading>(main, none)};
    for (const Form* dialog : dialogs) {
        EXPECT_NE(dialog->skin().formElement(dialog->className()), nullptr) << dialog->name();
        ASSERT_NE(dialog->skin().find("button"), nullptr) << dialog->name();
        EXPECT_EQ(dialog->skin().find("button")->colour, forms::Colour::rgb(0x30, 0x30, 0x30))
            << dialog->name();
    }
}

TEST_F(DialogsTest, TheConfirmationShowsItsCaptionMessageAndButtons) {
    NumberedTexts texts;
    createDialogs(texts);
    warning1->show();
    EXPECT_EQ(backend.render(*warning1).texts(),
              (std::vector<std::u16string>{u"text 31", u"text 32", u"text 29", u"text 30"}));
    EXPECT_EQ(backend.window(*warning1).caption, u"text 31");
}

TEST_F(DialogsTest, WithoutALanguageEveryTextIsEmptyAndNoDesignTextShows) {
    NoLanguageTexts none;
    createDialogs(none);
    for (const std::u16string& shown :
         {warning1->caption(), warning1->TntLabel1.caption(), warning1->bsSkinButtonOK.caption(),
          warning1->bsSkinButtonNO.caption(), warning2->caption(), warning2->TntLabel1.caption(),
          warning2->bsSkinButtonOK.caption(), loading->caption()}) {
        EXPECT_EQ(shown, u"");
    }
    EXPECT_TRUE(backend.render(*loading).texts().empty());
}

TEST_F(DialogsTest, EveryDialogOpensBelowTheThirdProfileButtonOfTheMainWindow) {
    NumberedTexts texts;
    createDialogs(texts);
    main.moveTo({300, 200});
    backend.whenShownModally("Form3Warning1", [this](Form& shown) {
        EXPECT_EQ(shown.position(), (forms::Point{454, 441}));
        EXPECT_EQ(backend.window(shown).bounds.topLeft(), (forms::Point{454, 441}));
        backend.click(warning1->bsSkinButtonNO);
    });
    warning1->showModal();
    showFormByName(app, "Form5Warning2");
    showFormByName(app, "Form6Loading");
    EXPECT_EQ(backend.window(*warning2).bounds.topLeft(), (forms::Point{454, 441}));
    EXPECT_EQ(backend.window(*loading).bounds.topLeft(), (forms::Point{454, 441}));
    // The main window moved: the next showing follows it.
    loading->close();
    main.moveTo({10, 20});
    showFormByName(app, "Form6Loading");
    EXPECT_EQ(loading->position(), (forms::Point{164, 261}));
}

TEST_F(DialogsTest, ResetConfirmationAnswersWithTheButtonThatEndedItsShowing) {
    NumberedTexts texts;
    createDialogs(texts);
    EXPECT_FALSE(warning1->confirmed);
    struct Case {
        const char* how;
        bool expected;
    };
    const Case cases[] = {
        {"OK", true}, {"NO", false}, {"OK", true}, {"system close, then NO", false}};
    for (const Case& c : cases) {
        backend.whenShownModally("Form3Warning1", [this, &c](Form&) {
            if (std::string(c.how) == "OK") {
                backend.click(warning1->bsSkinButtonOK);
                return;
            }
            if (std::string(c.how) != "NO")
                warning1->systemClose();
            EXPECT_TRUE(warning1->visible()) << "the dialog has no close box";
            backend.click(warning1->bsSkinButtonNO);
        });
        warning1->showModal();
        EXPECT_EQ(warning1->confirmed, c.expected) << c.how;
        EXPECT_FALSE(warning1->visible());
    }
}

TEST_F(DialogsTest, AConfirmationShowingEndedOtherwiseNeverRepeatsAnEarlierYes) {
    NumberedTexts texts;
    createDialogs(texts);
    backend.whenShownModally("Form3Warning1",
                             [this](Form&) { backend.click(warning1->bsSkinButtonOK); });
    warning1->showModal();
    ASSERT_TRUE(warning1->confirmed);
    // The next showing is ended by the program, not by a button.
    backend.schedule(100, [this] { warning1->close(); });
    warning1->showModal();
    EXPECT_FALSE(warning1->confirmed);
    backend.whenShownModally("Form3Warning1",
                             [this](Form&) { backend.click(warning1->bsSkinButtonOK); });
    warning1->showModal();
    backend.schedule(100, [this] { app.terminate(); });
    warning1->showModal();
    EXPECT_FALSE(warning1->confirmed);
}

TEST_F(DialogsTest, ThePlugInWarningsOkEndsTheApplication) {
    NoLanguageTexts none;
    createDialogs(none);
    showFormByName(app, "Form5Warning2");
    EXPECT_TRUE(warning2->visible());
    backend.click(warning2->bsSkinButtonOK);
    EXPECT_TRUE(app.terminated());
}

TEST_F(DialogsTest, ShowFormByNameShowsWithoutModalityInFrontAndIgnoresUnknownNames) {
    NoLanguageTexts none;
    createDialogs(none);
    main.show();
    showFormByName(app, "Form6Loading");
    EXPECT_TRUE(loading->visible());
    EXPECT_FALSE(loading->modal());
    EXPECT_TRUE(main.acceptsInput());
    EXPECT_GT(backend.window(*loading).frontOrder, backend.window(main).frontOrder);
    showFormByName(app, "Form9Nothing");
    showFormByName(app, "TForm6Loading");  // a class name is no instance name
}

TEST_F(DialogsTest, TheProgressDialogStartsWithTheFirstSegmentAndItsBar) {
    NumberedTexts texts;
    createDialogs(texts);
    EXPECT_TRUE(loading->Image2.visible());
    EXPECT_TRUE(loading->img(1).visible());
    for (int n = 2; n <= 8; ++n)
        EXPECT_FALSE(loading->img(n).visible()) << n;
    EXPECT_EQ(loading->img(8).bounds(), (forms::Rect{32 + 41 * 7, 15, 40, 11}));
    EXPECT_EQ(loading->find<forms::Image>("img5"), &loading->img(5));
    EXPECT_EQ(loading->PBar.min(), 0);
    EXPECT_EQ(loading->PBar.max(), 1000);
    // A transfer lights segments, then starts over with the first one alone.
    loading->img(4).show();
    loading->img(1).hide();
    loading->showFirstSegmentOnly();
    EXPECT_TRUE(loading->img(1).visible());
    EXPECT_FALSE(loading->img(4).visible());
}

TEST_F(DialogsTest, DestroyingTheConfirmationOrTheProgressDialogEndsTheApplication) {
    struct Case {
        const char* dialog;
        bool terminates;
    };
    for (const Case c :
         {Case{"Form3Warning1", true}, Case{"Form5Warning2", false}, Case{"Form6Loading", true}}) {
        forms::headless::HeadlessBackend ownBackend;
        forms::Application ownApp(ownBackend);
        Form& ownMain = ownApp.createForm<Form>(forms::testing::plainDesign("KsForm1"));
        NoLanguageTexts none;
        if (std::string(c.dialog) == "Form3Warning1")
            ownApp.createForm<TForm3Warning1>(ownMain, none);
        if (std::string(c.dialog) == "Form5Warning2")
            ownApp.createForm<TForm5Warning2>(ownMain, none);
        if (std::string(c.dialog) == "Form6Loading")
            ownApp.createForm<TForm6Loading>(ownMain, none);
        ownApp.findForm(c.dialog)->destroy();
        EXPECT_EQ(ownBackend.terminated(), c.terminates) << c.dialog;
    }
}

}  // namespace
}  // namespace stormline
