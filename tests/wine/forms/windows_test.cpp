// The forms' real windows under Wine: classes, captions, the application window, mouse
// capture, timers in modal loops, owner-drawn menus and the system's close command.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/image.h"
#include "forms/popup_menu.h"
#include "forms/skin_button.h"
#include "forms/skin_panel.h"
#include "forms/timer.h"
#include "forms/win32/win32_backend.h"
#include "wine_wait.h"

namespace forms {
namespace {

using testing::pumpUntil;

FormDesign design(std::string className, std::string name, std::u16string caption,
                  bool closeBox = true) {
    FormDesign d;
    d.className = std::move(className);
    d.name = std::move(name);
    d.caption = std::move(caption);
    d.clientWidth = 300;
    d.clientHeight = 200;
    d.position = {100, 100};
    d.closeBox = closeBox;
    return d;
}

LPARAM clientPoint(const Form& form, int x, int y) {
    const Point offset = form.clientOffset();
    return MAKELPARAM(x + offset.x, y + offset.y);
}

struct HintWindowSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK findHintWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<HintWindowSearch*>(parameter);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wstring(className) == TOOLTIPS_CLASSW &&
        GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND hintWindowOf(HWND form) {
    HintWindowSearch search{form, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), findHintWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The text the hint window of a form would show now.
std::wstring hintText(HWND form) {
    HintWindowSearch search{form, hintWindowOf(form)};
    if (search.found == nullptr)
        return L"(no hint window)";
    wchar_t text[256] = {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(form);
    tool.lpszText = text;
    SendMessageW(search.found, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return text;
}

class WindowsTest : public ::testing::Test {
  protected:
    win32::Win32Backend backend{GetModuleHandleW(nullptr)};
    Application app{backend};
};

TEST_F(WindowsTest, TheApplicationWindowIsFoundByItsClassAndTitle) {
    app.setTitle(u"KestrelTrayicon");
    HWND found = FindWindowW(L"TApplication", L"KestrelTrayicon");
    EXPECT_NE(found, nullptr);
    EXPECT_EQ(found, backend.applicationWindow());
    EXPECT_FALSE(IsWindowVisible(found));
}

TEST_F(WindowsTest, EachFormHasAWindowOfItsClassNameAndCaption) {
    Form& main = app.createForm<Form>(design("TKsForm1", "KsForm1", u""));
    Form& editor = app.createForm<Form>(design("TForm2Macro", "Form2Macro", u"MACRO KEY SET UP"));
    // Found while hidden too, the way another program finds the running application.
    EXPECT_EQ(FindWindowA("TKsForm1", ""), backend.windowOf(main));
    main.show();
    editor.show();
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(backend.windowOf(editor)) != FALSE; }));
    EXPECT_EQ(FindWindowW(L"TForm2Macro", L"MACRO KEY SET UP"), backend.windowOf(editor));
    editor.setCaption(u"\u30DE\u30AF\u30ED");
    EXPECT_EQ(FindWindowW(L"TForm2Macro", L"\u30DE\u30AF\u30ED"), backend.windowOf(editor));
    RECT r{};
    GetWindowRect(backend.windowOf(main), &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, main.outerBounds().width);
    EXPECT_EQ(r.bottom - r.top, main.outerBounds().height);
    main.moveTo({40, 60});
    GetWindowRect(backend.windowOf(main), &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 60);
}

TEST_F(WindowsTest, ThePressedControlKeepsTheMouseUntilReleaseOrUntilTheCaptureIsTaken) {
    Form& form = app.createForm<Form>(design("TKsForm1", "KsForm1", u""));
    Image& picture = form.add<Image>("ImgKBDLayout", {.bounds = {0, 0, 200, 150}});
    std::vector<std::string> events;
    picture.onMouseDown = [&](const MouseEvent& e) {
        events.push_back("down " + std::to_string(e.x) + "," + std::to_string(e.y));
    };
    picture.onMouseMove = [&](const MouseEvent& e) {
        events.push_back("move " + std::to_string(e.x) + "," + std::to_string(e.y));
    };
    picture.onMouseUp = [&](const MouseEvent&) { events.push_back("up"); };
    picture.onCaptureLost = [&] { events.push_back("lost"); };
    form.show();
    HWND window = backend.windowOf(form);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(window) != FALSE; }));

    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, clientPoint(form, 50, 40));
    EXPECT_EQ(GetCapture(), window);
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, clientPoint(form, 260, 190));  // off the picture
    SendMessageW(window, WM_LBUTTONUP, 0, clientPoint(form, 260, 190));
    EXPECT_NE(GetCapture(), window);
    EXPECT_EQ(events, (std::vector<std::string>{"down 50,40", "move 260,190", "up"}));

    events.clear();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, clientPoint(form, 10, 10));
    Form& other = app.createForm<Form>(design("TOther", "Other", u"other"));
    other.show();
    SetCapture(backend.windowOf(other));
    ASSERT_TRUE(pumpUntil([&] { return !form.mouseCaptured(); }));
    ReleaseCapture();
    EXPECT_EQ(events, (std::vector<std::string>{"down 10,10", "lost"}));
}

TEST_F(WindowsTest, TheHintFollowsTheControlUnderTheMouse) {
    Form& form = app.createForm<Form>(design("TKsForm1", "KsForm1", u""));
    form.add<SkinPanel>("bsSkinPanel1", {.bounds = {10, 10, 64, 21}, .hint = u"COPY"});
    form.add<SkinPanel>("bsSkinPanel2",
                        {.bounds = {100, 10, 64, 21}, .hint = u"\u30B3\u30D4\u30FC"});
    form.show();
    HWND window = backend.windowOf(form);
    SendMessageW(window, WM_MOUSEMOVE, 0, clientPoint(form, 20, 20));
    EXPECT_EQ(hintText(window), L"COPY");
    SendMessageW(window, WM_MOUSEMOVE, 0, clientPoint(form, 110, 20));
    EXPECT_EQ(hintText(window), L"\u30B3\u30D4\u30FC");
    SendMessageW(window, WM_MOUSEMOVE, 0, clientPoint(form, 250, 150));
    EXPECT_EQ(hintText(window), L"");

    // The screen's hint font, set after the window was made, reaches its hint window.
    Font hintFont;
    hintFont.sizePoints = 12;
    hintFont.charset = 128;
    app.setHintFont(hintFont);
    LOGFONTW used{};
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(hintWindowOf(window), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    GetObjectW(font, sizeof used, &used);
    EXPECT_EQ(std::wstring(used.lfFaceName), L"Arial");
    EXPECT_EQ(used.lfCharSet, 128);
    const HDC screen = GetDC(nullptr);
    EXPECT_EQ(used.lfHeight, -MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
}

TEST_F(WindowsTest, WindowTimersKeepRunningInsideAModalShowing) {
    Form& main = app.createForm<Form>(design("TKsForm1", "KsForm1", u""));
    Form& dialog = app.createForm<Form>(design("TForm6Loading", "Form6Loading", u"Waiting.."));
    Timer& ticker = main.add<Timer>("SetEEPROMTime", {.interval = 20});
    Timer& guard = main.add<Timer>("guard", {.interval = 10000});
    int ticks = 0;
    bool guardFired = false;
    ticker.onTimer = [&] {
        if (++ticks == 5) {
            ticker.disable();
            dialog.close();
        }
    };
    guard.onTimer = [&] {
        guardFired = true;
        dialog.close();
    };
    main.show();
    ticker.enable();
    guard.enable();
    dialog.showModal();
    EXPECT_FALSE(guardFired);
    EXPECT_EQ(ticks, 5);
    EXPECT_TRUE(IsWindowEnabled(backend.windowOf(main))) << "enabled again after the modal showing";
}

TEST_F(WindowsTest, AnOwnerDrawnPopupMenuDrawsItsItemsAndReturnsTheChoice) {
    Form& form = app.createForm<Form>(design("TKsForm1", "KsForm1", u""));
    PopupMenu& menu = form.add<PopupMenu>("TntPopupMenu1", {.ownerDraw = true, .autoPopup = false});
    std::vector<std::string> drawn;
    std::string chosen;
    for (const char* name : {"pmenu1", "pmenu2", "pmenu3"}) {
        MenuItem& item = menu.add(name, {.caption = u"ITEM"});
        item.onMeasureItem = [](Canvas&, int& width, int& height) {
            width = 90;
            height = 22;
        };
        item.onDrawItem = [&drawn, &item](Canvas& canvas, Rect rect, bool selected) {
            canvas.fillRect(rect, selected ? colours::Red : Colour::rgb(27, 27, 27));
            // The system adds room for a check mark to the width the item asked for.
            drawn.push_back(item.name() + (selected ? " selected" : "") +
                            (rect.width >= 90 ? " wide enough" : " too narrow") + ", " +
                            std::to_string(rect.height) + " high");
        };
        item.onClick = [&chosen, &item] { chosen = item.name(); };
    }
    // The menu runs its own loop; a timer of the form walks it down twice and chooses.
    Timer& keys = form.add<Timer>("keys", {.interval = 100});
    int step = 0;
    keys.onTimer = [&] {
        HWND open = FindWindowW(L"#32768", nullptr);
        if (open == nullptr || !IsWindowVisible(open))
            return;
        const WPARAM key = step < 2 ? VK_DOWN : VK_RETURN;
        PostMessageW(open, WM_KEYDOWN, key, 0);
        PostMessageW(open, WM_KEYUP, key, 0xC0000000);
        if (++step == 3)
            keys.disable();
    };
    form.show();
    keys.enable();
    menu.popup(form.clientToScreen({20, 20}));
    EXPECT_EQ(chosen, "pmenu2");
    std::string all;
    for (const std::string& d : drawn)
        all += d + "; ";
    EXPECT_NE(all.find("pmenu2 selected wide enough, 22 high"), std::string::npos) << all;
    EXPECT_NE(all.find("pmenu3 wide enough, 22 high"), std::string::npos) << all;
    EXPECT_EQ(all.find("too narrow"), std::string::npos) << all;
}

TEST_F(WindowsTest, FormsWithoutACloseBoxIgnoreTheSystemsCloseCommand) {
    Form& dialog = app.createForm<Form>(design("TForm3Warning1", "Form3Warning1", u"", false));
    Form& normal = app.createForm<Form>(design("TKsForm1", "KsForm1", u""));
    dialog.show();
    normal.show();
    SendMessageW(backend.windowOf(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageW(backend.windowOf(normal), WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageW(backend.windowOf(dialog), WM_CLOSE, 0, 0);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindowVisible(backend.windowOf(normal)); }));
    EXPECT_TRUE(dialog.visible());
    EXPECT_TRUE(IsWindowVisible(backend.windowOf(dialog)));
    EXPECT_FALSE(normal.visible());
}

TEST_F(WindowsTest, PostedMessagesPassTheApplicationHookBeforeTheForm) {
    Form& form = app.createForm<Form>(design("TKsForm1", "KsForm1", u""));
    std::vector<std::string> seen;
    form.setMessageHandler(1536,
                           [&](Message& m) { seen.push_back("form " + std::to_string(m.wParam)); });
    app.onMessage = [&](Message& m, Form* target, bool& handled) {
        if (m.number == 1536 || m.number == 689) {
            seen.push_back("hook " + std::to_string(m.number) +
                           (target == &form ? " for KsForm1" : ""));
        }
        handled = m.number == 689;
    };
    form.setMessageHandler(689, [&](Message&) { seen.push_back("form 689"); });
    form.post({689, 1, 0});
    PostMessageW(backend.windowOf(form), 1536, 7, 0);
    Timer& stop = form.add<Timer>("stop", {.interval = 50, .enabled = true});
    stop.onTimer = [&] {
        if (seen.size() >= 3)
            app.terminate();
    };
    app.run();
    EXPECT_EQ(seen, (std::vector<std::string>{"hook 689 for KsForm1", "hook 1536 for KsForm1",
                                              "form 7"}));
}

TEST_F(WindowsTest, TheCaptionBarMovesTheWindowAndItsBoxesMinimiseAndClose) {
    FormDesign boxes = design("TKsForm1", "KsForm1", u"Stormline");
    boxes.minimiseBox = true;
    Form& form = app.createForm<Form>(boxes);
    form.show();
    HWND window = backend.windowOf(form);
    ASSERT_TRUE(pumpUntil([&] { return IsWindowVisible(window) != FALSE; }));
    const auto screen = [&](Point outer) {
        return MAKELPARAM(form.left() + outer.x, form.top() + outer.y);
    };
    const auto middle = [](Rect r) { return Point{r.left + r.width / 2, r.top + r.height / 2}; };
    const Point close = middle(form.captionBoxBounds(CaptionBox::Close));
    const Point minimise = middle(form.captionBoxBounds(CaptionBox::Minimise));
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, screen({40, 10})), HTCAPTION);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, screen(close)), HTCLIENT);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, screen({40, 60})), HTCLIENT);

    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(minimise.x, minimise.y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(minimise.x, minimise.y));
    EXPECT_TRUE(pumpUntil([&] { return IsIconic(window) != FALSE; }));
    ShowWindow(window, SW_RESTORE);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(close.x, close.y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(close.x, close.y));
    EXPECT_FALSE(form.visible());
    EXPECT_FALSE(IsWindowVisible(window));
}

}  // namespace
}  // namespace forms
