// The notification-area icon: shown with its form, answering clicks, back after the taskbar is
// recreated, gone with its form.

#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/tray_icon.h"
#include "forms/win32/win32_backend.h"

namespace forms {
namespace {

// Whether the notification area holds the icon: only an icon it holds can be changed.
bool notificationAreaHolds(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

TEST(TrayIcon, IsShownAnswersClicksAndComesBackWithTheTaskbar) {
    win32::Win32Backend backend{GetModuleHandleW(nullptr)};
    Application app{backend};
    app.setTitle(u"KestrelTrayicon");
    FormDesign design;
    design.className = "TKsForm1Trayicon";
    design.name = "KsForm1Trayicon";
    design.caption = u"KestrelTrayicon";
    Form& form = app.createForm<Form>(design);
    TrayIcon& icon = form.add<TrayIcon>("TrayIcon1", {.hint = u"Kestrel Stormline"});
    icon.setIcon(Bitmap(16, 16, Colour::rgb(0, 200, 255)));
    std::vector<std::string> events;
    icon.onClick = [&] { events.push_back("click"); };
    icon.onMouseDown = [&](const MouseEvent& e) {
        events.push_back(e.button == MouseButton::Left ? "down left" : "down right");
    };
    HWND window = backend.windowOf(form);
    const std::optional<UINT> id = backend.trayIconId(icon);
    ASSERT_TRUE(id);
    EXPECT_TRUE(notificationAreaHolds(window, *id));

    SendMessageW(window, win32::TrayCallbackMessage, *id, WM_LBUTTONDOWN);
    SendMessageW(window, win32::TrayCallbackMessage, *id, WM_LBUTTONUP);
    SendMessageW(window, win32::TrayCallbackMessage, *id, WM_RBUTTONDOWN);
    SendMessageW(window, win32::TrayCallbackMessage, *id + 1, WM_LBUTTONUP);  // not ours
    EXPECT_EQ(events, (std::vector<std::string>{"down left", "click", "down right"}));

    // A new taskbar knows no icons until each program adds its own again.
    NOTIFYICONDATAW forgotten{};
    forgotten.cbSize = NOTIFYICONDATAW_V2_SIZE;
    forgotten.hWnd = window;
    forgotten.uID = *id;
    Shell_NotifyIconW(NIM_DELETE, &forgotten);
    ASSERT_FALSE(notificationAreaHolds(window, *id));
    SendMessageW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(notificationAreaHolds(window, *id));

    icon.setVisible(false);
    EXPECT_FALSE(notificationAreaHolds(window, *id));
    icon.setVisible(true);
    const std::optional<UINT> shownAgain = backend.trayIconId(icon);
    ASSERT_TRUE(shownAgain);
    app.destroyForms();
    EXPECT_FALSE(notificationAreaHolds(window, *shownAgain));
}

}  // namespace
}  // namespace forms
