// The library's Windows code in this process, with the device stack table swapped for a fake
// keyboard: real windows, notifications, threads, overlapped reads and alertable waits.

#include <windows.h>

#include <dbt.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "common/little_endian.h"
#include "fake_keyboard_table.h"
#include "keylink/keylink.h"
#include "keylink/win32/guid_bytes.h"
#include "keylink/win32/interface_filter.h"
#include "keylink/win32/library_state.h"
#include "message_wait.h"

namespace keylink::testing {
namespace {

std::vector<std::uint8_t> interfaceBroadcast(const std::string& name) {
    std::vector<std::uint8_t> bytes(offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) +
                                    name.size() + 1);
    common::writeLe32(bytes, 0, static_cast<std::uint32_t>(bytes.size()));
    common::writeLe32(bytes, 4, DBT_DEVTYP_DEVICEINTERFACE);
    std::copy(name.begin(), name.end(), bytes.begin() + 28);
    return bytes;
}

std::string upperCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

HWND notificationWindow() {
    return win32::libraryState().window.handle();
}

LRESULT sendDeviceChange(WPARAM event, std::vector<std::uint8_t>& broadcast) {
    return SendMessageA(notificationWindow(), WM_DEVICECHANGE, event,
                        reinterpret_cast<LPARAM>(broadcast.data()));
}

class FakeKeyboard : public ::testing::Test {
  protected:
    void SetUp() override {
        resetFakeKeyboard();
        win32::replaceDeviceStackTable(&fakeKeyboardTable());
    }
    void TearDown() override {
        RemoveDevice();
        win32::replaceDeviceStackTable(nullptr);
    }
    std::vector<std::string> events() {
        std::lock_guard lock(fakeKeyboard().mutex);
        return fakeKeyboard().events;
    }
};

TEST_F(FakeKeyboard, InitDriverFindsTheKeyboardAndListensForHidInterfaces) {
    OwnerWindow owner;
    ASSERT_EQ(InitDriver(owner.handle(), OwnerMessage, 15450, 11031, 0xFF00, 0xFF00), 1);
    EXPECT_EQ(owner.takePresenceMessage(), std::optional<UINT>(1536));
    EXPECT_EQ(notificationWindow(), FindWindowA("HKUSBClass", "HKUSBKEYMSG"));
    EXPECT_NE(win32::libraryState().window.interfaceRegistration(), nullptr);
    EXPECT_EQ(win32::libraryState().list.count(), 2);
}

// A detail size no path can need is not allocated for: the mouse's entry stays empty and the
// keyboard after it is still found.
TEST_F(FakeKeyboard, AbsurdDetailSizeEmptiesOnlyItsOwnEntry) {
    {
        std::lock_guard lock(fakeKeyboard().mutex);
        fakeKeyboard().mouseDetailSize = 0xFFFFFFFF;
    }
    OwnerWindow owner;
    InitDriver(owner.handle(), OwnerMessage, 15450, 11031, 0xFF00, 0xFF00);
    EXPECT_EQ(owner.takePresenceMessage(), std::optional<UINT>(1536));
    ASSERT_EQ(win32::libraryState().list.count(), 2);
    EXPECT_TRUE(win32::libraryState().list.record(0)->isEmpty());
}

// The filter states the structure's 32 bytes, names the HID interface class the table gives,
// and carries its name, terminated, in room of its own past the structure.
TEST_F(FakeKeyboard, InterfaceFilterNamesTheHidClass) {
    const auto bytes = win32::hidInterfaceFilter().bytes;
    ASSERT_EQ(bytes.size(), 36u);
    EXPECT_EQ(common::readLe32(bytes, 0), 32u);
    EXPECT_EQ(common::readLe32(bytes, 4), static_cast<std::uint32_t>(DBT_DEVTYP_DEVICEINTERFACE));
    EXPECT_EQ(common::readLe32(bytes, 8), 0u);
    GUID hidClass;
    fakeKeyboardTable().hidGetHidGuid(&hidClass);
    const auto classBytes = win32::guidBytes(hidClass);
    EXPECT_TRUE(std::equal(classBytes.begin(), classBytes.end(), bytes.begin() + 12));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data() + 28)), "CHIDKBD");
    EXPECT_EQ(bytes[35], 0);
}

TEST_F(FakeKeyboard, SetKbdFeaturesReachesTheKeyboardWithItsEightBytes) {
    OwnerWindow owner;
    InitDriver(owner.handle(), OwnerMessage, 15450, 11031, 0xFF00, 0xFF00);
    ASSERT_TRUE(owner.takePresenceMessage());

    const BYTE report[12] = {0x03, 0x9E, 0x01, 0xA4, 0x00, 0xA4, 0xC0, 0x00, 0xEE, 0xEE};
    EXPECT_EQ(SetKbdFeatures(0xFF00, 0xFF00, report), 1);
    EXPECT_EQ(events(), (std::vector<std::string>{"setFeature", "pause 1"}));
    std::lock_guard lock(fakeKeyboard().mutex);
    ASSERT_EQ(fakeKeyboard().featureReports.size(), 1u);
    EXPECT_EQ(fakeKeyboard().featureReports[0],
              (std::vector<std::uint8_t>{0x03, 0x9E, 0x01, 0xA4, 0x00, 0xA4, 0xC0, 0x00}));
}

TEST_F(FakeKeyboard, RemovalOfTheKeyboardRescansAndReportsItMissing) {
    OwnerWindow owner;
    InitDriver(owner.handle(), OwnerMessage, 15450, 11031, 0xFF00, 0xFF00);
    ASSERT_EQ(owner.takePresenceMessage(), std::optional<UINT>(1536));

    // Another interface going away changes nothing.
    auto mouseGone = interfaceBroadcast(FakeMousePath);
    EXPECT_EQ(sendDeviceChange(DBT_DEVICEREMOVECOMPLETE, mouseGone), 0);
    EXPECT_FALSE(owner.presenceMessageArrived());

    {
        std::lock_guard lock(fakeKeyboard().mutex);
        fakeKeyboard().keyboardPresent = false;
    }
    auto keyboardGone = interfaceBroadcast(upperCase(FakeKeyboardPath));
    EXPECT_EQ(sendDeviceChange(DBT_DEVICEREMOVECOMPLETE, keyboardGone), 0);
    EXPECT_EQ(owner.takePresenceMessage(), std::optional<UINT>(1792));

    {
        std::lock_guard lock(fakeKeyboard().mutex);
        fakeKeyboard().keyboardPresent = true;
    }
    auto arrived = interfaceBroadcast(FakeKeyboardPath);
    EXPECT_EQ(sendDeviceChange(DBT_DEVICEARRIVAL, arrived), 0);
    EXPECT_EQ(owner.takePresenceMessage(), std::optional<UINT>(1536));
}

// The keyboard's read-mode handle is the client end of a named pipe that the test writes
// reports into.
class NamedPipe {
  public:
    NamedPipe() : name_("\\\\.\\pipe\\keylink-reader-" + std::to_string(GetCurrentProcessId())) {
        handle_ = CreateNamedPipeA(name_.c_str(), PIPE_ACCESS_DUPLEX,
                                   PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, 64, 64,
                                   0, nullptr);
    }
    NamedPipe(const NamedPipe&) = delete;
    NamedPipe& operator=(const NamedPipe&) = delete;
    ~NamedPipe() { CloseHandle(handle_); }
    const std::string& name() const { return name_; }
    bool write(std::vector<std::uint8_t> bytes) {
        DWORD written = 0;
        return WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                         nullptr) &&
               written == bytes.size();
    }
    // Once every handle of the client end is closed, the server end reports a broken pipe.
    bool clientGone() {
        DWORD available = 0;
        return !PeekNamedPipe(handle_, nullptr, 0, nullptr, &available, nullptr) &&
               GetLastError() == ERROR_BROKEN_PIPE;
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    std::string name_;
    HANDLE handle_;
};

// The library started with the keyboard found and a reader running on it (list position 1,
// after the mouse).
class KeyboardReader : public FakeKeyboard {
  protected:
    void SetUp() override {
        FakeKeyboard::SetUp();
        ASSERT_TRUE(pipe.valid());
        {
            std::lock_guard lock(fakeKeyboard().mutex);
            fakeKeyboard().readPipeName = pipe.name();
        }
        InitDriver(owner.handle(), OwnerMessage, 15450, 11031, 0xFF00, 0xFF00);
        ASSERT_EQ(owner.takePresenceMessage(), std::optional<UINT>(1536));
        ASSERT_EQ(ReadDevice(0xFF00, 0xFF00), 1);
        ASSERT_TRUE(win32::libraryState().list.readerRunning(1));
    }

    NamedPipe pipe;
    OwnerWindow owner;
};

// Reports written into the keyboard's pipe reach the owner through a real reader thread and
// the notification window; stopping the reader closes its handle.
TEST_F(KeyboardReader, RelaysEachReportToTheOwnerWithItsListPosition) {
    // The reader's handle is registered for its own device-change notifications.
    EXPECT_NE(win32::libraryState().list.record(1)->notifyHandle, 0u);

    ASSERT_TRUE(pipe.write({0x02, 0x00, 0x00, 0xA4}));
    ASSERT_TRUE(pumpUntil([&] { return owner.relayed().size() == 1; }));
    ASSERT_TRUE(pipe.write({0x04, 0xFF, 0xFF, 0x01, 0x00}));
    ASSERT_TRUE(pumpUntil([&] { return owner.relayed().size() == 2; }));

    std::array<std::uint8_t, 32> first{0x02, 0x00, 0x00, 0xA4};
    std::array<std::uint8_t, 32> second{0x04, 0xFF, 0xFF, 0x01, 0x00};
    EXPECT_EQ(owner.relayed()[0].report, first);
    EXPECT_EQ(owner.relayed()[1].report, second);
    // The keyboard is the second interface listed, after the mouse.
    EXPECT_EQ(owner.relayed()[0].position, 1u);
    EXPECT_EQ(owner.relayed()[1].position, 1u);

    EXPECT_EQ(RemoveDevice(), 1);
    EXPECT_EQ(win32::libraryState().list.record(1)->notifyHandle, 0u);
    EXPECT_TRUE(pumpUntil([&] { return pipe.clientGone(); }));
    EXPECT_EQ(owner.relayed().size(), 2u);
}

// A volume about to be removed is announced to every top-level window; no handle of ours may
// hold anything up, but nothing else changes.
TEST_F(KeyboardReader, QueryRemoveStopsTheReaderWithoutARescan) {
    std::vector<std::uint8_t> volume(12 + 4, 0);
    common::writeLe32(volume, 0, static_cast<std::uint32_t>(volume.size()));
    common::writeLe32(volume, 4, DBT_DEVTYP_VOLUME);
    EXPECT_EQ(sendDeviceChange(DBT_DEVICEQUERYREMOVE, volume), 0);

    EXPECT_FALSE(win32::libraryState().list.isOpen(1));
    EXPECT_TRUE(pumpUntil([&] { return pipe.clientGone(); }));
    // A rescan would have posted before the send returned.
    EXPECT_FALSE(owner.presenceMessageArrived());
}

}  // namespace
}  // namespace keylink::testing
