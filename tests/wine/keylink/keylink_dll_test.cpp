// The shipped Keylink.dll, bound by ordinal through the import library as the programs bind
// it, running against Wine's own HID stack.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "keylink/keylink.h"
#include "message_wait.h"

namespace keylink::testing {
namespace {

// The program's import address table entry for ordinal 2.
extern "C" FARPROC initDriverImport asm("__imp__InitDriver@24");

HWND notificationWindow() {
    return FindWindowA("HKUSBClass", "HKUSBKEYMSG");
}

BOOL CALLBACK countNotificationWindow(HWND window, LPARAM counter) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "HKUSBClass")
        ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

int notificationWindowsOnThisThread() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), countNotificationWindow,
                      reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(KeylinkDll, ExportsEightFunctionsByNameAndOrdinal) {
    HMODULE library = GetModuleHandleA("Keylink.dll");
    ASSERT_NE(library, nullptr);
    const std::pair<const char*, int> exports[] = {
        {"InitDriver", 2},    {"SetKbdFeatures", 3}, {"RemoveDevice", 4}, {"ReadDevice", 5},
        {"DeviceArrival", 6}, {"GetKbdFeatures", 7}, {"GetIndexStr", 8},  {"GetManufacturerStr", 9},
    };
    for (const auto& [name, ordinal] : exports) {
        SCOPED_TRACE(name);
        FARPROC byName = GetProcAddress(library, name);
        ASSERT_NE(byName, nullptr);
        EXPECT_EQ(byName, GetProcAddress(library, MAKEINTRESOURCEA(ordinal)));
    }
    EXPECT_EQ(GetProcAddress(library, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(GetProcAddress(library, MAKEINTRESOURCEA(10)), nullptr);
    // The loader bound the program's ordinal import to the export of that name.
    EXPECT_EQ(initDriverImport, GetProcAddress(library, "InitDriver"));
}

TEST(KeylinkDll, InitDriverCreatesTheHiddenWindowAndReportsTheKeyboardMissing) {
    OwnerWindow owner;
    EXPECT_EQ(InitDriver(owner.handle(), OwnerMessage, 15450, 11031, 0xFF00, 0xFF00), 1);

    HWND window = notificationWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindowThreadProcessId(window, nullptr), GetCurrentThreadId());
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetParent(window), nullptr);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & WS_POPUP,
              static_cast<DWORD>(WS_POPUP));
    RECT bounds{};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 0);

    WNDCLASSA windowClass{};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA("Keylink.dll"), "HKUSBClass", &windowClass));
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_PARENTDC));
    EXPECT_EQ(windowClass.hbrBackground, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(windowClass.hCursor, LoadCursor(nullptr, IDC_ARROW));
    EXPECT_EQ(windowClass.hIcon, nullptr);
    EXPECT_EQ(windowClass.lpszMenuName, nullptr);
    EXPECT_EQ(windowClass.cbWndExtra, 0);
    EXPECT_EQ(windowClass.cbClsExtra, 0);

    // Wine's HID stack has no keyboard of ours.
    EXPECT_EQ(owner.takePresenceMessage(), std::optional<UINT>(1792));
}

TEST(KeylinkDll, SecondInitDriverReplacesTheOwnerAndKeepsOneWindow) {
    OwnerWindow first;
    OwnerWindow second;
    InitDriver(first.handle(), OwnerMessage, 0, 0, 0xFF00, 0xFF00);
    ASSERT_TRUE(first.takePresenceMessage());
    InitDriver(second.handle(), OwnerMessage, 0, 0, 0xFF00, 0xFF00);
    EXPECT_EQ(second.takePresenceMessage(), std::optional<UINT>(1792));
    EXPECT_FALSE(first.presenceMessageArrived());
    EXPECT_EQ(notificationWindowsOnThisThread(), 1);
}

TEST(KeylinkDll, OtherExportsAnswerWithoutAKeyboard) {
    OwnerWindow owner;
    InitDriver(owner.handle(), OwnerMessage, 0, 0, 0xFF00, 0xFF00);
    ASSERT_TRUE(owner.takePresenceMessage());

    EXPECT_NE(DeviceArrival(), 0);
    EXPECT_EQ(owner.takePresenceMessage(), std::optional<UINT>(1792));

    const BYTE report[8] = {0x03, 0x00, 0xFF, 0x01};
    EXPECT_EQ(SetKbdFeatures(0xFF00, 0xFF00, report), 1);
    BYTE feature[8] = {0x04, 1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(GetKbdFeatures(0x3C5A, 0x2B17, 0xFF00, 0xFF00, feature), 1);
    EXPECT_EQ(feature[7], 7);
    WCHAR text[8] = {L'x'};
    LONG records = GetManufacturerStr(0x3C5A, 0x2B17, 0xFF00, 0xFF00, text, sizeof text);
    EXPECT_GE(records, 0);
    EXPECT_EQ(GetIndexStr(0x3C5A, 0x2B17, 0xFF00, 0xFF00, 1, text, sizeof text), records);
    EXPECT_EQ(text[0], L'x');
    EXPECT_EQ(ReadDevice(0xFF00, 0xFF00), 1);
    EXPECT_EQ(RemoveDevice(), 1);
    // Null buffers are refused, not written through.
    EXPECT_EQ(SetKbdFeatures(0xFF00, 0xFF00, nullptr), 1);
    EXPECT_EQ(GetKbdFeatures(0x3C5A, 0x2B17, 0xFF00, 0xFF00, nullptr), 1);
}

// A change of the device tree reaches every top-level window with no broadcast at all.
TEST(KeylinkDll, DeviceChangeWithoutBroadcastIsIgnored) {
    OwnerWindow owner;
    InitDriver(owner.handle(), OwnerMessage, 0, 0, 0xFF00, 0xFF00);
    ASSERT_TRUE(owner.takePresenceMessage());
    for (WPARAM event : {WPARAM{0x0007}, WPARAM{0x8000}, WPARAM{0x8004}, WPARAM{0x8001}}) {
        EXPECT_EQ(SendMessageA(notificationWindow(), WM_DEVICECHANGE, event, 0), 0);
    }
    EXPECT_FALSE(owner.presenceMessageArrived());
}

}  // namespace
}  // namespace keylink::testing
