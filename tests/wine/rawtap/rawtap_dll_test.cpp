// The real Rawtap.dll, bound by ordinal through the import library.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "rawtap/rawtap.h"
#include "wine_test_support.h"

namespace {

using rawtap::testing::InputErrorBoxWatcher;
using rawtap::testing::pumpUntil;
using rawtap::testing::RecordingOwnerWindow;

HMODULE rawtapModule() {
    return GetModuleHandleW(L"Rawtap.dll");
}

std::vector<HWND> listenerWindows() {
    std::vector<HWND> found;
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"RawtapClass", nullptr)) != nullptr) {
        found.push_back(window);
    }
    return found;
}

bool registeredFor(const std::vector<RAWINPUTDEVICE>& devices, USHORT usagePage, USHORT usage,
                   HWND target) {
    return std::any_of(devices.begin(), devices.end(), [&](const RAWINPUTDEVICE& device) {
        return device.usUsagePage == usagePage && device.usUsage == usage &&
               device.hwndTarget == target && (device.dwFlags & RIDEV_INPUTSINK) != 0;
    });
}

std::vector<RAWINPUTDEVICE> registeredDevices() {
    UINT count = 0;
    GetRegisteredRawInputDevices(nullptr, &count, sizeof(RAWINPUTDEVICE));
    std::vector<RAWINPUTDEVICE> devices(count);
    if (count != 0 &&
        GetRegisteredRawInputDevices(devices.data(), &count, sizeof(RAWINPUTDEVICE)) == UINT(-1)) {
        devices.clear();
    }
    return devices;
}

void sendScanCode(WORD scanCode, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = scanCode;
    input.ki.dwFlags = KEYEVENTF_SCANCODE | (release ? KEYEVENTF_KEYUP : 0);
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}

TEST(RawtapDll, ExportsInitDllByNameAndAtOrdinalOne) {
    ASSERT_NE(rawtapModule(), nullptr);
    const FARPROC byOrdinal = GetProcAddress(rawtapModule(), MAKEINTRESOURCEA(1));
    ASSERT_NE(byOrdinal, nullptr);
    EXPECT_EQ(byOrdinal, GetProcAddress(rawtapModule(), "InitDLL"));
}

// The library keeps one set of state per process, so its whole life is one sequence.
TEST(RawtapDll, FirstCallCreatesTheListenerAndLaterCallsOnlyRedirect) {
    RecordingOwnerWindow firstOwner;
    RecordingOwnerWindow secondOwner;
    InputErrorBoxWatcher boxes;

    ASSERT_TRUE(listenerWindows().empty());
    EXPECT_EQ(InitDLL(firstOwner.handleValue()), firstOwner.handleValue());

    const std::vector<HWND> listeners = listenerWindows();
    ASSERT_EQ(listeners.size(), 1u);
    const HWND listener = listeners[0];
    wchar_t title[32] = {};
    GetWindowTextW(listener, title, 32);
    EXPECT_STREQ(title, L"HIDUSBKEYMSG");
    EXPECT_EQ(GetWindowThreadProcessId(listener, nullptr), GetCurrentThreadId());
    EXPECT_FALSE(IsWindowVisible(listener));
    EXPECT_EQ(GetWindowLongW(listener, GWL_STYLE) & (WS_POPUP | WS_CHILD), WS_POPUP);
    EXPECT_EQ(GetParent(listener), nullptr);
    RECT bounds{};
    GetWindowRect(listener, &bounds);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right - bounds.left, 0);
    EXPECT_EQ(bounds.bottom - bounds.top, 0);

    WNDCLASSEXW listenerClass{};
    listenerClass.cbSize = sizeof listenerClass;
    ASSERT_TRUE(GetClassInfoExW(rawtapModule(), L"RawtapClass", &listenerClass));
    EXPECT_EQ(listenerClass.style, UINT(CS_PARENTDC));
    EXPECT_EQ(listenerClass.hbrBackground, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(listenerClass.hCursor, LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(listenerClass.hIcon, nullptr);
    EXPECT_EQ(listenerClass.lpszMenuName, nullptr);
    EXPECT_EQ(listenerClass.cbClsExtra, 0);
    EXPECT_EQ(listenerClass.cbWndExtra, 0);

    const std::vector<RAWINPUTDEVICE> devices = registeredDevices();
    EXPECT_TRUE(registeredFor(devices, 0xFF00, 0x0002, listener));
    EXPECT_TRUE(registeredFor(devices, 0x000C, 0x0003, listener));

    // An input the system does not know is dropped without a box.
    SendMessageW(listener, WM_INPUT, RIM_INPUT, 0x5A5A);
    EXPECT_TRUE(firstOwner.received.empty());
    EXPECT_TRUE(boxes.seen().empty());

    EXPECT_EQ(InitDLL(secondOwner.handleValue()), 0u);
    EXPECT_EQ(listenerWindows().size(), 1u);

    // Keyboard input directed at the listener now reaches the second owner, press and release
    // alike.
    RAWINPUTDEVICE keyboard{
        .usUsagePage = 0x01, .usUsage = 0x06, .dwFlags = RIDEV_INPUTSINK, .hwndTarget = listener};
    ASSERT_TRUE(RegisterRawInputDevices(&keyboard, 1, sizeof keyboard));
    sendScanCode(0x1E, false);
    sendScanCode(0x1E, true);
    EXPECT_TRUE(pumpUntil([&] { return secondOwner.received.size() >= 2; }));
    keyboard = {.usUsagePage = 0x01, .usUsage = 0x06, .dwFlags = RIDEV_REMOVE, .hwndTarget = {}};
    RegisterRawInputDevices(&keyboard, 1, sizeof keyboard);

    ASSERT_EQ(secondOwner.received.size(), 2u);
    for (const auto& message : secondOwner.received) {
        EXPECT_EQ(message.message, rawtap::RawKeyMessage);
        EXPECT_EQ(message.wParam, 1u);
        EXPECT_EQ(static_cast<std::uint32_t>(message.lParam), 0x001E0000u);
    }
    EXPECT_TRUE(firstOwner.received.empty());
}

}  // namespace
