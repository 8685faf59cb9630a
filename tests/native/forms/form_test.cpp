// Forms: components by name, the order of their events, showing, modal showing, closing.

#include "forms/form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "bmp_builder.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/skin_button.h"
#include "forms/skin_panel.h"
#include "forms/timer.h"
#include "headless_fixture.h"
#include "test_folder.h"

namespace forms {
namespace {

using testing::plainDesign;

class FormTest : public testing::HeadlessTest {};

TEST_F(FormTest, ComponentsAreFoundByNamesBuiltAtRunTime) {
    Form& form = plainForm("KsForm1");
    for (int n = 1; n <= 10; ++n)
        form.add<Label>("TntLabel" + std::to_string(n));
    form.add<SkinButton>("bsSkinButtonOK");
    ASSERT_NE(form.find<Label>("TntLabel" + std::to_string(7)), nullptr);
    EXPECT_EQ(form.find<Label>("TntLabel7")->name(), "TntLabel7");
    EXPECT_EQ(form.find<Label>("TntLabel11"), nullptr);
    EXPECT_EQ(form.find<Label>("bsSkinButtonOK"), nullptr) << "a component of another kind";
    EXPECT_NE(form.findComponent("bsSkinButtonOK"), nullptr);
    EXPECT_THROW(form.add<Label>("TntLabel1"), std::invalid_argument);
}

// A form built the way the programs' forms are: components in the constructor, handlers bound
// there, pictures and skin loaded before the creation handler.
class DesignedForm : public Form {
  public:
    DesignedForm(Application& app, std::vector<std::string>& log)
        : Form(app, design()),
          picture(add<Image>("Image1", {.bounds = {0, 0, 3, 2}})),
          timer(add<Timer>("Timer1", {.interval = 100, .enabled = true})),
          log_(log) {
        onCreate = [this] {
            log_.push_back("create, picture " + std::to_string(picture.picture().width()) +
                           ", skin " + (skin().find("button") ? "loaded" : "missing"));
        };
        onShow = [this] { log_.push_back("show"); };
        onClose = [this] { log_.push_back("close"); };
        onDestroy = [this] { log_.push_back("destroy"); };
        timer.onTimer = [this] { log_.push_back("tick"); };
    }

    Image& picture;
    Timer& timer;

  private:
    static FormDesign design() {
        FormDesign d = plainDesign("Designed");
        d.skinFile = "mainskin.ini";
        return d;
    }
    std::vector<std::string>& log_;
};

TEST(FormLifecycle, EventsRunInTheFrameworksOrderWithArtworkLoadedBeforeCreation) {
    testing::TestFolder folder;
    folder.write("skin/mainskin.ini", "[button]\ncolour=101010\n");
    folder.writeBytes("pictures/TDesigned/Image1.bmp", testing::buildBmp(3, 2, testing::gradient));
    std::vector<std::string> log;
    headless::HeadlessBackend backend(folder.path());
    {
        Application app(backend);
        DesignedForm& form = app.createForm<DesignedForm>(log);
        EXPECT_EQ(form.picture.picture().at(2, 1), testing::gradient(2, 1));
        form.show();
        form.show();  // showing a shown form only brings it to the front
        backend.advance(100);
        form.close();
        form.close();  // closing a hidden form does nothing
        EXPECT_TRUE(backend.timerRunning(form.timer)) << "a hidden form's timers keep running";
    }
    EXPECT_EQ(log, (std::vector<std::string>{"create, picture 3, skin loaded", "show", "tick",
                                             "close", "destroy"}));
}

TEST(FormLifecycle, MissingArtworkLeavesPicturesEmptyAndTheSkinEmpty) {
    testing::TestFolder folder;
    std::vector<std::string> log;
    headless::HeadlessBackend backend(folder.path());
    Application app(backend);
    DesignedForm& form = app.createForm<DesignedForm>(log);
    EXPECT_TRUE(form.picture.picture().empty());
    EXPECT_EQ(log, (std::vector<std::string>{"create, picture 0, skin missing"}));
}

TEST_F(FormTest, TheApplicationsTitleAndHintFontReachTheBackend) {
    app.setTitle(u"KestrelTrayicon");
    Font hints;
    hints.face = u"SimSun-18030";
    hints.charset = 134;
    hints.sizePoints = 9;
    app.setHintFont(hints);
    EXPECT_EQ(backend.applicationTitle(), u"KestrelTrayicon");
    EXPECT_EQ(app.title(), u"KestrelTrayicon");
    EXPECT_EQ(backend.hintFont(), hints);
    EXPECT_EQ(app.hintFont(), hints);
}

TEST_F(FormTest, FormsAreDestroyedLastCreatedFirst) {
    std::vector<std::string> order;
    for (const char* name : {"First", "Second", "Third"}) {
        plainForm(name).onDestroy = [&order, name] { order.emplace_back(name); };
    }
    app.destroyForms();
    EXPECT_EQ(order, (std::vector<std::string>{"Third", "Second", "First"}));
    EXPECT_TRUE(app.forms().empty());
}

TEST_F(FormTest, WindowFollowsShowMoveCaptionAndFront) {
    Form& main = plainForm("Main");
    Form& other = plainForm("Other");
    main.moveTo({300, 200});
    main.setCaption(u"KEY SET UP");
    main.show();
    other.show();
    EXPECT_TRUE(backend.window(main).visible);
    EXPECT_EQ(backend.window(main).bounds.topLeft(), (Point{300, 200}));
    EXPECT_EQ(backend.window(main).caption, u"KEY SET UP");
    EXPECT_GT(backend.window(other).frontOrder, backend.window(main).frontOrder);
    main.bringToFront();
    EXPECT_GT(backend.window(main).frontOrder, backend.window(other).frontOrder);
}

TEST_F(FormTest, ControlsAreDrawnOnlyWithinTheClientAreaAndWithinTheirParent) {
    Form& form = plainForm("Form1", 300, 200);
    SkinPanel& panel = form.add<SkinPanel>("bsSkinPanel1", {.bounds = {10, 10, 50, 30}});
    form.add<Label>("TntLabel1",
                    {.bounds = {40, 20, 30, 30}, .caption = u"in the panel", .parent = &panel});
    form.add<Label>("TntLabel2", {.bounds = {250, 180, 100, 50}, .caption = u"at the edge"});
    const headless::RecordingCanvas drawn = backend.render(form);
    const Point client = form.clientOffset();
    const Rect clientArea{client.x, client.y, 300, 200};
    const Rect panelArea{client.x + 10, client.y + 10, 50, 30};

    EXPECT_EQ(drawn.ops().front().clip, std::nullopt) << "the frame is drawn unlimited";
    std::vector<std::optional<Rect>> textLimits;
    for (const headless::DrawOp& op : drawn.ops()) {
        if (op.kind == headless::DrawOp::Kind::Text)
            textLimits.push_back(op.clip);
    }
    // Graphic controls are drawn before windowed ones: the edge label first.
    EXPECT_EQ(textLimits, (std::vector<std::optional<Rect>>{clientArea, panelArea}));
}

TEST_F(FormTest, WithoutACloseBoxTheSystemCloseCommandIsIgnored) {
    FormDesign noBox = plainDesign("NoBox");
    noBox.closeBox = false;
    Form& dialog = app.createForm<Form>(noBox);
    Form& normal = plainForm("Normal");
    dialog.show();
    normal.show();
    dialog.systemClose();
    normal.systemClose();
    EXPECT_TRUE(dialog.visible());
    EXPECT_FALSE(normal.visible());
}

TEST_F(FormTest, AModalShowingDisablesTheOthersAndReenablesOnlyWhatItDisabled) {
    Form& main = plainForm("Main");
    Form& warning = plainForm("Warning");
    Form& progress = plainForm("Progress");
    Form& hidden = plainForm("Hidden");
    main.show();
    warning.show();
    backend.schedule(10, [&] {
        EXPECT_FALSE(main.acceptsInput());
        EXPECT_FALSE(backend.window(main).enabled);
        EXPECT_FALSE(warning.acceptsInput());
        EXPECT_TRUE(progress.acceptsInput());
        // The program disables the main window while the modal form shows: it stays disabled.
        main.setEnabled(false);
        progress.close();
    });
    progress.showModal();
    EXPECT_FALSE(main.acceptsInput());
    EXPECT_FALSE(backend.window(main).enabled);
    EXPECT_TRUE(warning.acceptsInput());
    EXPECT_TRUE(hidden.acceptsInput());
    main.setEnabled(true);
    EXPECT_TRUE(backend.window(main).enabled);
}

TEST_F(FormTest, AFormShownWithoutModalityCanThenRunModally) {
    Form& progress = plainForm("Progress");
    progress.show();
    backend.schedule(50, [&] { progress.close(); });
    progress.showModal();
    EXPECT_EQ(backend.now(), 50u);
    EXPECT_FALSE(progress.visible());
}

TEST_F(FormTest, TheCaptionBoxesCloseAndMinimiseWhenReleasedOverThemselves) {
    FormDesign boxes = plainDesign("KsForm1");
    boxes.minimiseBox = true;
    Form& main = app.createForm<Form>(boxes);
    FormDesign noBoxes = plainDesign("Form2Macro");
    noBoxes.closeBox = false;
    Form& editor = app.createForm<Form>(noBoxes);
    main.show();
    editor.show();
    // Points of the window, given to the form in its client coordinates as the window does.
    const auto at = [](Form& form, Rect box, int dx = 0) {
        const Point offset = form.clientOffset();
        return Point{box.left + box.width / 2 - offset.x + dx, box.top + box.height / 2 - offset.y};
    };
    const Rect close = main.captionBoxBounds(CaptionBox::Close);
    const Rect minimise = main.captionBoxBounds(CaptionBox::Minimise);
    ASSERT_GT(close.width, 0);
    EXPECT_LT(minimise.right(), close.left) << "minimise lies left of close";
    EXPECT_EQ(main.captionBoxAt(close.topLeft()), CaptionBox::Close);
    EXPECT_EQ(editor.captionBoxBounds(CaptionBox::Close).width, 0);
    EXPECT_EQ(editor.captionBoxAt(close.topLeft()), CaptionBox::None);

    // Pressed, then released elsewhere: nothing happens.
    main.mouseDown(MouseButton::Left, {}, at(main, close));
    EXPECT_TRUE(backend.window(main).captured);
    main.mouseUp(MouseButton::Left, {}, at(main, close, -100));
    EXPECT_TRUE(main.visible());
    EXPECT_FALSE(backend.window(main).captured);

    main.mouseDown(MouseButton::Left, {}, at(main, minimise));
    main.mouseUp(MouseButton::Left, {}, at(main, minimise));
    EXPECT_TRUE(backend.window(main).minimised);
    EXPECT_TRUE(main.visible());
    main.mouseDown(MouseButton::Left, {}, at(main, close));
    main.mouseUp(MouseButton::Left, {}, at(main, close));
    EXPECT_FALSE(main.visible());
}

}  // namespace
}  // namespace forms
