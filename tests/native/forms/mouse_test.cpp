// Mouse routing: the control under the mouse gets the press, keeps the mouse until the release,
// clicks only when released over itself; hover, hints, layering and lost capture.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/image.h"
#include "forms/label.h"
#include "forms/popup_menu.h"
#include "forms/skin_button.h"
#include "forms/skin_panel.h"
#include "headless_fixture.h"

namespace forms {
namespace {

class MouseTest : public testing::HeadlessTest {
  protected:
    void SetUp() override {
        form.show();
        for (Control* c : std::initializer_list<Control*>{&background, &button, &panel, &label}) {
            c->onMouseDown = [this, c](const MouseEvent& e) { log("down", c->name(), e); };
            c->onMouseMove = [this, c](const MouseEvent& e) { log("move", c->name(), e); };
            c->onMouseUp = [this, c](const MouseEvent& e) { log("up", c->name(), e); };
            c->onClick = [this, c] { events.push_back("click " + c->name()); };
            c->onCaptureLost = [this, c] { events.push_back("lost " + c->name()); };
        }
        form.onMouseDown = [this](const MouseEvent& e) { log("down", "form", e); };
    }

    void log(const char* what, const std::string& who, const MouseEvent& e) {
        events.push_back(std::string(what) + " " + who + " " + std::to_string(e.x) + "," +
                         std::to_string(e.y));
    }

    Form& form = plainForm("KsForm1", 600, 400);
    // Created before the button it lies under: pictures are below windowed controls anyway.
    SkinButton& button = form.add<SkinButton>("bsSkinButtonProfile1", {.bounds = {10, 10, 75, 25}});
    Image& background = form.add<Image>("ImgKBDLayout", {.bounds = {0, 0, 500, 300}});
    SkinPanel& panel =
        form.add<SkinPanel>("bsSkinPanel1", {.bounds = {100, 100, 64, 21}, .hint = u"COPY"});
    Label& label = form.add<Label>("TntLabel1", {.bounds = {5, 3, 40, 18}, .parent = &panel});
    std::vector<std::string> events;
};

TEST_F(MouseTest, TheControlThatGotThePressKeepsTheMouseUntilTheRelease) {
    // A drag that starts on the keyboard picture and ends far outside the window.
    form.mouseDown(MouseButton::Left, {}, {200, 200});
    form.mouseMove({}, {240, 210});
    form.mouseMove({}, {900, -50});
    form.mouseUp(MouseButton::Left, {}, {900, -50});
    form.mouseMove({}, {20, 20});
    EXPECT_EQ(events,
              (std::vector<std::string>{"down ImgKBDLayout 200,200", "move ImgKBDLayout 240,210",
                                        "move ImgKBDLayout 900,-50", "up ImgKBDLayout 900,-50",
                                        "move bsSkinButtonProfile1 10,10"}));
    EXPECT_FALSE(form.mouseCaptured());
}

TEST_F(MouseTest, AClickNeedsTheLeftButtonReleasedOverThePressedControl) {
    backend.click(button);
    backend.click(button, MouseButton::Right);
    form.mouseDown(MouseButton::Left, {}, {20, 20});
    form.mouseUp(MouseButton::Left, {}, {300, 200});  // released elsewhere
    std::vector<std::string> clicks;
    for (const auto& e : events) {
        if (e.rfind("click", 0) == 0)
            clicks.push_back(e);
    }
    EXPECT_EQ(clicks, (std::vector<std::string>{"click bsSkinButtonProfile1"}));
    // The click comes before the mouse-up, as in the form framework.
    EXPECT_EQ(events[1], "click bsSkinButtonProfile1");
    EXPECT_EQ(events[2], "up bsSkinButtonProfile1 37,12");
}

TEST_F(MouseTest, ALabelOnAPanelGetsTheMouseInItsOwnCoordinates) {
    form.mouseDown(MouseButton::Right, {}, {110, 106});
    form.mouseUp(MouseButton::Right, {}, {110, 106});
    form.mouseDown(MouseButton::Left, {}, {160, 118});  // the panel's edge, beside the label
    EXPECT_EQ(events, (std::vector<std::string>{"down TntLabel1 5,3", "up TntLabel1 5,3",
                                                "down bsSkinPanel1 60,18"}));
}

TEST_F(MouseTest, HiddenAndDisabledControlsLetTheMouseThrough) {
    button.hide();
    form.mouseDown(MouseButton::Left, {}, {20, 20});
    form.mouseUp(MouseButton::Left, {}, {20, 20});
    button.show();
    button.setEnabled(false);
    form.mouseDown(MouseButton::Left, {}, {20, 20});
    form.mouseUp(MouseButton::Left, {}, {20, 20});
    background.hide();
    form.mouseDown(MouseButton::Left, {}, {20, 20});
    EXPECT_EQ(events[0], "down ImgKBDLayout 20,20");
    EXPECT_EQ(events[3], "down ImgKBDLayout 20,20");
    EXPECT_EQ(events.back(), "down form 20,20");
}

TEST_F(MouseTest, ACaptureTakenByAMenuEndsTheDragWithoutAMouseUp) {
    PopupMenu& menu = form.add<PopupMenu>("TntPopupMenu1");
    background.onMouseDown = [&](const MouseEvent&) { menu.popup({0, 0}); };
    form.mouseDown(MouseButton::Left, {}, {200, 200});
    EXPECT_FALSE(form.mouseCaptured());
    form.mouseUp(MouseButton::Left, {}, {200, 200});
    EXPECT_EQ(events, (std::vector<std::string>{"lost ImgKBDLayout", "up ImgKBDLayout 200,200"}));
}

TEST_F(MouseTest, AModalShowingEndsTheDragOfAnotherForm) {
    Form& dialog = plainForm("Dialog");
    form.mouseDown(MouseButton::Left, {}, {200, 200});
    backend.schedule(1, [&] { dialog.close(); });
    dialog.showModal();
    EXPECT_EQ(events.back(), "lost ImgKBDLayout");
    EXPECT_FALSE(backend.window(form).captured);
}

TEST_F(MouseTest, ADragEndsWhenItsFormIsDisabledOrItsControlHidden) {
    form.mouseDown(MouseButton::Left, {}, {200, 200});
    form.setEnabled(false);
    form.setEnabled(true);
    form.mouseDown(MouseButton::Left, {}, {20, 20});
    button.hide();
    form.mouseMove({}, {30, 30});
    EXPECT_EQ(events,
              (std::vector<std::string>{"down ImgKBDLayout 200,200", "lost ImgKBDLayout",
                                        "down bsSkinButtonProfile1 10,10",
                                        "lost bsSkinButtonProfile1", "move ImgKBDLayout 30,30"}));
}

TEST_F(MouseTest, HoverShowsTheHintAndTheHoverLook) {
    form.mouseMove({}, {110, 106});  // the label on the panel: the label has no hint
    EXPECT_EQ(backend.window(form).hint, u"");
    form.mouseMove({}, {160, 118});
    EXPECT_EQ(form.hoveredControl(), &panel);
    EXPECT_EQ(backend.window(form).hint, u"COPY");
    panel.setHint(u"PASTE");
    EXPECT_EQ(backend.window(form).hint, u"PASTE");
    form.mouseLeave();
    EXPECT_EQ(backend.window(form).hint, u"");
    EXPECT_EQ(form.hoveredControl(), nullptr);
}

TEST_F(MouseTest, APressedButtonIsDrawnDownOnlyWhileTheMouseIsOverIt) {
    const auto stateDrawn = [&] {
        // The caption moves one pixel down and right while the button is drawn pressed.
        button.setCaption(u"0");
        const headless::RecordingCanvas drawn = backend.render(form);
        for (const auto& op : drawn.ops()) {
            if (op.kind == headless::DrawOp::Kind::Text && op.text == u"0")
                return op.rect.left;
        }
        return -1;
    };
    const int normal = stateDrawn();
    form.mouseDown(MouseButton::Left, {}, {20, 20});
    EXPECT_EQ(stateDrawn(), normal + 1);
    form.mouseMove({}, {300, 300});
    EXPECT_EQ(stateDrawn(), normal);
    form.mouseMove({}, {20, 20});
    EXPECT_EQ(stateDrawn(), normal + 1);
}

}  // namespace
}  // namespace forms
