// The behaviour of the other component kinds that the programs rely on.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "forms/file_dialog.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/progress_bar.h"
#include "forms/radio_box.h"
#include "forms/scroll_bar.h"
#include "forms/spin_edit.h"
#include "forms/tray_icon.h"
#include "headless_fixture.h"

namespace forms {
namespace {

class ControlsTest : public testing::HeadlessTest {
  protected:
    Form& form = plainForm("Form1", 500, 400);
};

TEST_F(ControlsTest, ProgressBarStepsAndStopsAtItsMaximum) {
    ProgressBar& bar = form.add<ProgressBar>("PBar", {.min = 0, .max = 1000});
    bar.setMax(12);
    bar.setStep(5);
    bar.stepIt();
    bar.stepIt();
    EXPECT_EQ(bar.position(), 10);
    bar.stepIt();
    EXPECT_EQ(bar.position(), 12);
    bar.stepIt();
    EXPECT_EQ(bar.position(), 12);
    bar.setMax(4);
    EXPECT_EQ(bar.position(), 4) << "a lower maximum pulls the position down";
    bar.setPosition(-3);
    EXPECT_EQ(bar.position(), 0);
}

TEST_F(ControlsTest, ProgressBarStepsOfAnySizeSaturateWithoutOverflowing) {
    ProgressBar& bar = form.add<ProgressBar>("PBar", {.min = -10, .max = 2147483647});
    bar.setPosition(2147483000);
    bar.setStep(2147483647);
    bar.stepIt();
    EXPECT_EQ(bar.position(), 2147483647);
    bar.setPosition(-5);
    bar.setStep(-2147483647 - 1);
    bar.stepIt();
    EXPECT_EQ(bar.position(), -10);
}

TEST_F(ControlsTest, ScrollBarKeepsItsPositionWithinTheMaximumLessThePage) {
    ScrollBar& bar = form.add<ScrollBar>("bsSkinScrollBar1",
                                         {.bounds = {0, 0, 21, 148}, .max = 20, .pageSize = 9});
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    EXPECT_EQ(bar.maxPosition(), 12);
    bar.setPosition(50);
    EXPECT_EQ(bar.position(), 12);
    bar.setPosition(12);
    EXPECT_EQ(changes, 1) << "no change, no event";
    bar.setMax(10);
    EXPECT_EQ(bar.position(), 2);
    // The arrows move by one row, the track beside the thumb by a page.
    backend.press(bar, MouseButton::Left, Point{10, 2});
    backend.release(bar, MouseButton::Left, Point{10, 2});
    EXPECT_EQ(bar.position(), 1);
    backend.press(bar, MouseButton::Left, Point{10, 146});
    backend.release(bar, MouseButton::Left, Point{10, 146});
    EXPECT_EQ(bar.position(), 2);
    bar.setPosition(0);
    backend.press(bar, MouseButton::Left, Point{10, 120});
    backend.release(bar, MouseButton::Left, Point{10, 120});
    EXPECT_EQ(bar.position(), 2) << "a page of 9 from 0 stops at the end";
}

TEST_F(ControlsTest, ScrollBarThumbFollowsADrag) {
    ScrollBar& bar =
        form.add<ScrollBar>("bar", {.bounds = {0, 0, 20, 140}, .max = 20, .pageSize = 9});
    // The arrows are 20 high; the thumb starts at the top of the 100-pixel track.
    backend.press(bar, MouseButton::Left, Point{10, 25});
    form.mouseMove({}, {10, 1000});
    EXPECT_EQ(bar.position(), 12);
    form.mouseMove({}, {10, -1000});
    EXPECT_EQ(bar.position(), 0);
    form.mouseUp(MouseButton::Left, {}, {10, 25});
}

TEST_F(ControlsTest, ScrollBarAtTheTopOfTheIntRangeStillScrollsAndDraws) {
    constexpr int Largest = 2147483647;
    for (const int pageSize : {0, 1, Largest / 2}) {
        ScrollBar& bar =
            form.add<ScrollBar>("bar" + std::to_string(pageSize),
                                {.bounds = {0, 0, 20, 140}, .max = Largest, .pageSize = pageSize});
        // The thumb starts at the top of the track, below the 20-pixel arrow.
        backend.press(bar, MouseButton::Left, Point{10, 21});
        form.mouseMove({}, {10, 1000});
        EXPECT_EQ(bar.position(), bar.maxPosition()) << pageSize;
        form.mouseMove({}, {10, -1000});
        EXPECT_EQ(bar.position(), 0) << pageSize;
        form.mouseUp(MouseButton::Left, {}, {10, -1000});

        bar.setPosition(Largest);
        backend.render(form);
        backend.press(bar, MouseButton::Left, Point{10, 139});  // the lower arrow
        backend.release(bar, MouseButton::Left, Point{10, 139});
        backend.press(bar, MouseButton::Left, Point{10, 60});  // the track above the thumb
        backend.release(bar, MouseButton::Left, Point{10, 60});
        EXPECT_EQ(bar.position(), bar.maxPosition() - std::max(1, pageSize)) << pageSize;
        bar.hide();
    }
}

TEST_F(ControlsTest, SpinEditClampsStepsAndTakesTypedDigits) {
    SpinEdit& field = form.add<SpinEdit>("bsSkinSpinEdit1", {.bounds = {415, 132, 46, 20},
                                                             .min = 0,
                                                             .max = 6.3,
                                                             .increment = 0.1,
                                                             .decimals = 1,
                                                             .maxLength = 5});
    int changes = 0;
    field.onChange = [&] { ++changes; };
    EXPECT_EQ(field.text(), u"0.0");
    field.setValue(2.5);
    EXPECT_EQ(field.text(), u"2.5");
    field.setValue(9);
    EXPECT_DOUBLE_EQ(field.value(), 6.3);
    field.setIncrement(0.5);
    backend.press(field, MouseButton::Left, Point{40, 15});  // the down arrow
    form.mouseUp(MouseButton::Left, {}, {455, 147});
    EXPECT_DOUBLE_EQ(field.value(), 5.8);
    EXPECT_EQ(changes, 3);
    form.setFocus(&field);
    for (const char16_t c : std::u16string(u"1.2345678x"))
        form.keyChar(c);
    EXPECT_EQ(field.text(), u"1.234") << "at most five characters are typed";
    form.keyChar(u'\r');
    EXPECT_DOUBLE_EQ(field.value(), 1.234);
    form.keyChar(u'.');
    form.setFocus(nullptr);
    EXPECT_DOUBLE_EQ(field.value(), 1.234) << "a lone point is no number; the value stays";
    EXPECT_EQ(field.text(), u"1.2");
}

TEST_F(ControlsTest, CheckingARadioBoxUnchecksTheOthersOfItsGroup) {
    RadioBox& one =
        form.add<RadioBox>("bsSkinCheckRadioBox1", {.bounds = {0, 0, 100, 20}, .checked = true});
    RadioBox& two = form.add<RadioBox>("bsSkinCheckRadioBox2", {.bounds = {0, 30, 100, 20}});
    RadioBox& three = form.add<RadioBox>("bsSkinCheckRadioBox3", {.bounds = {0, 60, 100, 20}});
    RadioBox& elsewhere =
        form.add<RadioBox>("other", {.bounds = {0, 90, 100, 20}, .checked = true, .group = 1});
    backend.click(three);
    EXPECT_FALSE(one.checked());
    EXPECT_FALSE(two.checked());
    EXPECT_TRUE(three.checked());
    EXPECT_TRUE(elsewhere.checked());
    two.setChecked(true);
    EXPECT_FALSE(three.checked());
}

TEST_F(ControlsTest, ListBoxRowsSelectionAndTopRow) {
    ListBox& list =
        form.add<ListBox>("TntListBox1", {.bounds = {0, 0, 134, 145}, .itemHeight = 18});
    for (int i = 0; i < 12; ++i)
        list.add({u"row" + std::u16string(1, u'a' + i), i % 2});
    list.setTopRow(3);
    EXPECT_EQ(list.rowAt(40), 5);
    EXPECT_EQ(list.rowAt(-1), -1);
    backend.press(list, MouseButton::Left, Point{5, 40});
    EXPECT_EQ(list.itemIndex(), 5);
    EXPECT_EQ(form.focusedControl(), &list);
    list.exchange(5, 4);
    EXPECT_EQ(list.rows()[4], (ListBox::Row{u"rowf", 1}));
    list.remove(2);
    EXPECT_EQ(list.itemIndex(), 4) << "the selection follows its row";
    list.remove(4);
    EXPECT_EQ(list.itemIndex(), -1);
    list.setTopRow(99);
    EXPECT_EQ(list.topRow(), 9);
    list.clear();
    EXPECT_EQ(list.topRow(), 0);
}

TEST_F(ControlsTest, FileDialogsAnswerFromTheScriptAndRefuseNamesTooLongForTheBuffer) {
    OpenDialog& open = form.add<OpenDialog>("TntOpenDialog1", {.defaultExt = u"KS1"});
    open.filter = u"EXE files (*.exe)|*.EXE|ALL files (*.*)|*.*";
    open.initialDir = u"%ProgramFiles%";
    backend.answerFileDialog(u"C:\\Games\\run.exe");
    backend.answerFileDialog(std::nullopt);
    backend.answerFileDialog(std::u16string(512, u'a'));
    EXPECT_TRUE(open.execute());
    EXPECT_EQ(open.fileName, u"C:\\Games\\run.exe");
    EXPECT_FALSE(open.execute());
    EXPECT_FALSE(open.execute());
    EXPECT_EQ(open.fileName, u"C:\\Games\\run.exe") << "a refused name leaves the last one";
    ASSERT_EQ(backend.fileDialogs().size(), 3u);
    EXPECT_EQ(backend.fileDialogs()[0].filter, open.filter);
    EXPECT_EQ(backend.fileDialogs()[0].initialDir, u"%ProgramFiles%");
    EXPECT_EQ(backend.fileDialogs()[0].kind, FileDialog::Kind::Open);
}

TEST_F(ControlsTest, MessageBoxesAreRecordedAndAnswered) {
    backend.answerMessageBox(MessageBoxAnswer::No);
    EXPECT_EQ(app.messageBox(u"Sure?", u"", MessageBoxButtons::YesNo), MessageBoxAnswer::No);
    EXPECT_EQ(app.messageBox(u"the \"make\" is too much.", u""), MessageBoxAnswer::Ok);
    ASSERT_EQ(backend.messageBoxes().size(), 2u);
    EXPECT_EQ(backend.messageBoxes()[1].text, u"the \"make\" is too much.");
}

TEST_F(ControlsTest, TrayIconIsShownWithItsHintUntilItsFormGoes) {
    TrayIcon& icon = form.add<TrayIcon>("TrayIcon1", {.hint = u"Kestrel Stormline"});
    EXPECT_TRUE(backend.trayIcon(icon).shown);
    EXPECT_EQ(backend.trayIcon(icon).hint, u"Kestrel Stormline");
    icon.setVisible(false);
    EXPECT_FALSE(backend.trayIcon(icon).shown);
    icon.setVisible(true);
    app.destroyForms();
    EXPECT_FALSE(backend.trayIcon(icon).shown);
}

TEST_F(ControlsTest, AutoSizedLabelsShowAllOfTheirCaption) {
    form.add<Label>("TntLabel1",
                    {.bounds = {8, 16, 302, 14}, .caption = u"grows", .transparent = true});
    form.add<Label>("fixed", {.bounds = {8, 40, 30, 14}, .caption = u"cut", .autoSize = false});
    form.show();
    const headless::RecordingCanvas drawn = backend.render(form);
    int texts = 0;
    for (const headless::DrawOp& op : drawn.ops()) {
        if (op.kind != headless::DrawOp::Kind::Text)
            continue;
        ++texts;
        EXPECT_EQ(op.format.clip, op.text == u"cut") << std::string(op.text.begin(), op.text.end());
        if (op.text == u"grows") {
            EXPECT_EQ(op.rect, (Rect{1 + 8, 21 + 16, 302, 14})) << "inside the frame";
        }
    }
    EXPECT_EQ(texts, 2);
}

TEST_F(ControlsTest, ImageListGivesItsPicturesByIndexAndNothingOutsideIt) {
    ImageList& list = form.add<ImageList>("ImageList2", {.count = 4, .width = 174, .height = 55});
    Image& small = form.add<Image>("Imagesmallkb", {.bounds = {595, 226, 174, 55}});
    list.setPicture(2, Bitmap(174, 55, colours::Red));
    list.copyInto(2, small);
    EXPECT_EQ(small.picture().at(0, 0), colours::Red);
    list.copyInto(7, small);
    EXPECT_TRUE(small.picture().empty());
    list.setPicture(-1, Bitmap(1, 1));
    EXPECT_EQ(list.count(), 4);
}

}  // namespace
}  // namespace forms
