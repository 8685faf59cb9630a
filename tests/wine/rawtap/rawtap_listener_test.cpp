// The listener window behind InitDLL, with the raw-input functions replaced by fakes that hand
// out inputs of the test's own making.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "listener_window.h"
#include "raw_input_fixtures.h"
#include "raw_input_functions.h"
#include "rawtap/rawtap.h"
#include "wine_test_support.h"

namespace {

using rawtap::testing::InputErrorBoxWatcher;
using rawtap::testing::RecordingOwnerWindow;

std::vector<std::uint8_t> hidInput(HANDLE device, std::uint32_t reportSize,
                                   std::uint32_t reportCount,
                                   const std::vector<std::uint8_t>& reports) {
    return rawtap::testing::hidInput(
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(device)), reportSize,
        reportCount, reports);
}

// What the fakes hand out and what they were asked.
struct FakeSystem {
    std::vector<RAWINPUTDEVICE> registered;
    UINT registeredEntrySize = 0;
    std::map<HRAWINPUT, std::vector<std::uint8_t>> inputs;
    std::map<HRAWINPUT, UINT> shortReads;
    std::map<HANDLE, RID_DEVICE_INFO_HID> devices;
    std::vector<std::pair<UINT, UINT>> deviceQuerySizes;  // info record's size field, argument
};
FakeSystem fake;

BOOL WINAPI fakeRegisterRawInputDevices(PCRAWINPUTDEVICE devices, UINT count, UINT entrySize) {
    fake.registered.assign(devices, devices + count);
    fake.registeredEntrySize = entrySize;
    // The real DLL's suite sees the registration succeed; this one sees it fail.
    return FALSE;
}

UINT WINAPI fakeGetRawInputData(HRAWINPUT input, UINT command, LPVOID data, PUINT size,
                                UINT headerSize) {
    const auto found = fake.inputs.find(input);
    if (found == fake.inputs.end() || command != RID_INPUT || headerSize != 16)
        return UINT(-1);
    const std::vector<std::uint8_t>& bytes = found->second;
    if (data == nullptr) {
        *size = static_cast<UINT>(bytes.size());
        return 0;
    }
    if (*size < bytes.size())
        return UINT(-1);
    std::memcpy(data, bytes.data(), bytes.size());
    if (const auto claimed = fake.shortReads.find(input); claimed != fake.shortReads.end()) {
        return claimed->second;
    }
    return static_cast<UINT>(bytes.size());
}

UINT WINAPI fakeGetRawInputDeviceInfoA(HANDLE device, UINT command, LPVOID data, PUINT size) {
    auto* info = static_cast<RID_DEVICE_INFO*>(data);
    fake.deviceQuerySizes.emplace_back(info->cbSize, *size);
    const auto found = fake.devices.find(device);
    if (found == fake.devices.end() || command != RIDI_DEVICEINFO)
        return UINT(-1);
    info->dwType = RIM_TYPEHID;
    info->hid = found->second;
    return sizeof(RID_DEVICE_INFO);
}

const HANDLE Keyboard = reinterpret_cast<HANDLE>(0x1001);
const HANDLE UnknownDevice = reinterpret_cast<HANDLE>(0x3003);
const RID_DEVICE_INFO_HID KeyboardInfo{.dwVendorId = 0x3C5A,
                                       .dwProductId = 0x2B17,
                                       .dwVersionNumber = 0x0105,
                                       .usUsagePage = 0x000C,
                                       .usUsage = 0x0003};

HRAWINPUT inputHandle(std::uintptr_t value) {
    return reinterpret_cast<HRAWINPUT>(value);
}

// The library keeps one set of state per process: the listener is created once for the suite,
// and each test gets a fresh owner through InitDLL's redirection.
class RawtapListener : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        rawtap::win32::rawInputFunctions() = {
            .registerRawInputDevices = fakeRegisterRawInputDevices,
            .getRawInputData = fakeGetRawInputData,
            .getRawInputDeviceInfoA = fakeGetRawInputDeviceInfoA,
        };
        rawtap::win32::recordModuleInstance(GetModuleHandleW(nullptr));
        firstOwner = new RecordingOwnerWindow;
        firstResult = rawtap::win32::initDll(firstOwner->handleValue());
        listener = FindWindowW(L"RawtapClass", L"HIDUSBKEYMSG");
    }

    static void TearDownTestSuite() {
        delete firstOwner;
        rawtap::win32::rawInputFunctions() = rawtap::win32::SystemRawInputFunctions;
    }

    RawtapListener() {
        fake.inputs.clear();
        fake.shortReads.clear();
        fake.devices = {{Keyboard, KeyboardInfo}};
        fake.deviceQuerySizes.clear();
        EXPECT_EQ(rawtap::win32::initDll(owner.handleValue()), 0u);
    }

    void deliver(HRAWINPUT input, std::vector<std::uint8_t> bytes) {
        fake.inputs[input] = std::move(bytes);
        SendMessageW(listener, WM_INPUT, RIM_INPUTSINK, reinterpret_cast<LPARAM>(input));
    }

    static inline RecordingOwnerWindow* firstOwner = nullptr;
    static inline std::uint32_t firstResult = 0;
    static inline HWND listener = nullptr;
    RecordingOwnerWindow owner;
};

TEST_F(RawtapListener, FirstCallRegistersBothCollectionsAndReportsAFailedRegistration) {
    // The window stays in place; only the result tells of the failure.
    ASSERT_NE(listener, nullptr);
    EXPECT_EQ(firstResult, 0u);
    EXPECT_EQ(fake.registeredEntrySize, 12u);
    ASSERT_EQ(fake.registered.size(), 2u);
    EXPECT_EQ(fake.registered[0].usUsagePage, 0xFF00);
    EXPECT_EQ(fake.registered[0].usUsage, 0x0002);
    EXPECT_EQ(fake.registered[1].usUsagePage, 0x000C);
    EXPECT_EQ(fake.registered[1].usUsage, 0x0003);
    for (const RAWINPUTDEVICE& entry : fake.registered) {
        EXPECT_EQ(entry.dwFlags, DWORD(RIDEV_INPUTSINK));
        EXPECT_EQ(entry.hwndTarget, listener);
    }
}

TEST_F(RawtapListener, HidInputReachesTheOwnerWithInfoAndReportValidDuringItsHandling) {
    deliver(inputHandle(0x51), hidInput(Keyboard, 8, 2,
                                        {0x02, 0x00, 0x00, 0xA4, 0x00, 0x00, 0x00, 0x00,  //
                                         0x02, 0x00, 0x00, 0xA5, 0x00, 0x00, 0x00, 0x00}));

    ASSERT_EQ(owner.received.size(), 1u);
    const auto& message = owner.received[0];
    EXPECT_EQ(message.message, 1301u);
    EXPECT_EQ(message.info,
              (std::vector<std::uint8_t>{0x5A, 0x3C, 0, 0, 0x17, 0x2B, 0, 0, 0x05, 0x01, 0,
                                         0,    0x0C, 0, 0, 0,    0x03, 0, 0, 0,    0,    0,
                                         0,    0,    0, 0, 0,    0,    0, 0, 0,    0}));
    EXPECT_EQ(message.report, (std::vector<std::uint8_t>{0x02, 0x00, 0x00, 0xA4, 0, 0, 0, 0}));
    EXPECT_EQ(fake.deviceQuerySizes, (std::vector<std::pair<UINT, UINT>>{{32, 32}}));
    EXPECT_TRUE(firstOwner->received.empty());
}

TEST_F(RawtapListener, FailingDeviceQuerySendsNothing) {
    deliver(inputHandle(0x53), hidInput(UnknownDevice, 3, 1, {0x02, 0x00, 0xA4}));
    EXPECT_EQ(fake.deviceQuerySizes.size(), 1u);
    EXPECT_TRUE(owner.received.empty());
}

TEST_F(RawtapListener, KeyboardInputReachesTheOwnerAsKeyMessage) {
    // Right Ctrl released.
    deliver(inputHandle(0x54),
            rawtap::testing::keyboardInput(0x1D, RI_KEY_E0 | RI_KEY_BREAK, 0xA3));

    ASSERT_EQ(owner.received.size(), 1u);
    EXPECT_EQ(owner.received[0].message, 1302u);
    EXPECT_EQ(owner.received[0].wParam, 1u);
    EXPECT_EQ(static_cast<std::uint32_t>(owner.received[0].lParam), 0x001D1000u);
}

TEST_F(RawtapListener, ShortReadShowsTheInputErrorBoxOwnedByTheListener) {
    InputErrorBoxWatcher boxes;
    fake.shortReads[inputHandle(0x55)] = 10;
    deliver(inputHandle(0x55),
            hidInput(Keyboard, 3, 1, {0x02, 0x00, 0xA4}));  // returns once closed

    const auto seen = boxes.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"Test");
    EXPECT_EQ(seen[0].text, L"Input Error");
    EXPECT_EQ(seen[0].owner, listener);
    EXPECT_TRUE(owner.received.empty());

    // The listener goes on working after the box.
    deliver(inputHandle(0x56), hidInput(Keyboard, 3, 1, {0x02, 0x00, 0xA6}));
    EXPECT_EQ(owner.received.size(), 1u);
}

}  // namespace
