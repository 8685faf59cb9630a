#include "rawtap/raw_input_listener.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "raw_input_fixtures.h"

namespace {

using rawtap::RawReportInfo;
using rawtap::ReportBlock;
using rawtap::testing::FakeRawInputSource;
using rawtap::testing::hidInput;
using rawtap::testing::keyboardInput;
using rawtap::testing::rawInputHeader;

struct SentReport {
    rawtap::RawReportInfoBlock info;
    ReportBlock report;
};

class RecordingOwner : public rawtap::OwnerWindow {
  public:
    std::vector<SentReport> reports;
    std::vector<std::uint32_t> keys;

    void sendRawReport(const rawtap::RawReportInfoBlock& info, const ReportBlock& report) override {
        reports.push_back({info, report});
    }
    void sendRawKey(std::uint32_t lParam) override { keys.push_back(lParam); }
};

class CountingErrorBox : public rawtap::InputErrorBox {
  public:
    int shown = 0;
    std::function<void()> whileOpen;  // what the box's own message loop dispatches

    void show() override {
        ++shown;
        if (whileOpen)
            whileOpen();
    }
};

constexpr rawtap::DeviceHandle Keyboard = 0x1001;
constexpr rawtap::DeviceHandle OtherVendorsDevice = 0x2002;
constexpr rawtap::DeviceHandle UnknownDevice = 0x3003;

const RawReportInfo KeyboardInfo{.vendorId = 0x3C5A,
                                 .productId = 0x2B17,
                                 .versionNumber = 0x0100,
                                 .usagePage = 0xFF00,
                                 .usage = 0x0002};
const RawReportInfo OtherVendorsInfo{.vendorId = 0x1234,
                                     .productId = 0x5678,
                                     .versionNumber = 0x0001,
                                     .usagePage = 0xFF00,
                                     .usage = 0x0002};

class RawInputListenerTest : public ::testing::Test {
  protected:
    RawInputListenerTest() {
        source.devices[Keyboard] = KeyboardInfo;
        source.devices[OtherVendorsDevice] = OtherVendorsInfo;
    }

    void deliver(rawtap::InputHandle handle, std::vector<std::uint8_t> bytes) {
        source.inputs[handle] = std::move(bytes);
        listener.onRawInput(handle);
    }

    bool nothingSent() const { return owner.reports.empty() && owner.keys.empty(); }

    FakeRawInputSource source;
    RecordingOwner owner;
    CountingErrorBox errorBox;
    rawtap::RawInputListener listener{source, owner, errorBox};
};

struct HidCase {
    std::string name;
    std::uint32_t reportSize;
    std::uint32_t reportCount;
    std::vector<std::uint8_t> reports;
    ReportBlock expected;
};

TEST_F(RawInputListenerTest, ReportBlockHoldsTheFirstEightBytesOfTheFirstReport) {
    const std::vector<HidCase> cases{
        {"three-byte report", 3, 1, {0x02, 0x00, 0xA4}, {0x02, 0x00, 0xA4, 0, 0, 0, 0, 0}},
        {"two eight-byte reports",
         8,
         2,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
         {1, 2, 3, 4, 5, 6, 7, 8}},
        {"report longer than the block",
         12,
         1,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         {1, 2, 3, 4, 5, 6, 7, 8}},
        {"three short reports", 3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 0, 0, 0, 0, 0}},
        {"counts claim more than the input holds", 8, 4, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 0, 0, 0}},
        {"counts claim more than memory could hold",
         0xFFFFFFFF,
         0xFFFFFFFF,
         {1, 2, 3},
         {1, 2, 3, 0, 0, 0, 0, 0}},
        {"no reports", 8, 0, {1, 2, 3, 4, 5, 6, 7, 8}, {}},
        {"header without data", 8, 1, {}, {}},
    };
    rawtap::InputHandle handle = 1;
    for (const HidCase& c : cases) {
        SCOPED_TRACE(c.name);
        owner.reports.clear();
        deliver(handle++, hidInput(Keyboard, c.reportSize, c.reportCount, c.reports));
        ASSERT_EQ(owner.reports.size(), 1u);
        EXPECT_EQ(owner.reports[0].report, c.expected);
        // The information block does not depend on the length of the data.
        EXPECT_EQ(owner.reports[0].info, rawtap::encodeRawReportInfo(KeyboardInfo));
    }
    EXPECT_EQ(errorBox.shown, 0);
}

TEST_F(RawInputListenerTest, InputFromAnotherVendorOnTheSameCollectionIsPassedOn) {
    deliver(1, hidInput(OtherVendorsDevice, 3, 1, {0x02, 0x00, 0xA4}));
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(rawtap::decodeRawReportInfo(owner.reports[0].info), OtherVendorsInfo);
    EXPECT_EQ(owner.reports[0].report, (ReportBlock{0x02, 0x00, 0xA4, 0, 0, 0, 0, 0}));
}

TEST_F(RawInputListenerTest, FailingDeviceQuerySendsNothing) {
    deliver(1, hidInput(UnknownDevice, 3, 1, {0x02, 0x00, 0xA4}));
    EXPECT_TRUE(nothingSent());
    EXPECT_EQ(errorBox.shown, 0);
}

struct KeyCase {
    std::string name;
    std::uint16_t makeCode;
    std::uint16_t flags;
    std::uint16_t virtualKey;
    std::uint32_t expectedLParam;
};

TEST_F(RawInputListenerTest, KeyboardInputSendsMakeCodeAndPrefixMark) {
    const std::vector<KeyCase> cases{
        {"A pressed", 0x1E, 0x00, 0x41, 0x001E0000},
        {"A released", 0x1E, 0x01, 0x41, 0x001E0000},
        {"right Ctrl pressed (E0)", 0x1D, 0x02, 0xA3, 0x001D1000},
        {"right Ctrl released (E0)", 0x1D, 0x03, 0xA3, 0x001D1000},
        {"Pause, first event (E1)", 0x1D, 0x04, 0x13, 0x001D1000},
        {"Pause, first event released (E1)", 0x1D, 0x05, 0x13, 0x001D1000},
        {"Pause, second event", 0x45, 0x00, 0xFF, 0x00450000},
        {"E0 and E1 together", 0x2A, 0x07, 0xFF, 0x002A1000},
        {"terminal-server bit alone", 0x1E, 0x08, 0x41, 0x001E0000},
        // Only flags values 2 to 7 carry the mark: a terminal-server bit clears it.
        {"terminal-server LED bit with E0", 0x48, 0x0A, 0x26, 0x00480000},
        {"terminal-server LED bit with E1", 0x1D, 0x0C, 0x13, 0x001D0000},
        {"terminal-server shadow bit with E0", 0x48, 0x12, 0x26, 0x00480000},
        {"largest make code", 0xFFFF, 0x00, 0x00, 0xFFFF0000},
    };
    rawtap::InputHandle handle = 1;
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        owner.keys.clear();
        deliver(handle++, keyboardInput(c.makeCode, c.flags, c.virtualKey));
        ASSERT_EQ(owner.keys.size(), 1u);
        EXPECT_EQ(owner.keys[0], c.expectedLParam);
    }
    EXPECT_TRUE(owner.reports.empty());
}

TEST_F(RawInputListenerTest, InputsWithoutTheirOwnFieldsSendNothing) {
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases{
        {"shorter than the header", std::vector<std::uint8_t>(15, 0x02)},
        {"HID input without its counts", rawInputHeader(2, 20, Keyboard)},
        {"keyboard input without its flags", rawInputHeader(1, 18, Keyboard)},
        {"mouse input", rawInputHeader(0, 40, Keyboard)},
        {"unknown type", rawInputHeader(7, 40, Keyboard)},
    };
    rawtap::InputHandle handle = 1;
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        deliver(handle++, bytes);
        EXPECT_TRUE(nothingSent());
    }
    EXPECT_EQ(errorBox.shown, 0);
}

TEST_F(RawInputListenerTest, UnknownOrEmptyInputIsDroppedWithoutABox) {
    listener.onRawInput(99);  // the source cannot tell its size
    deliver(1, {});           // a size of zero
    EXPECT_TRUE(nothingSent());
    EXPECT_EQ(errorBox.shown, 0);
}

TEST_F(RawInputListenerTest, ShortReadShowsTheBoxAndDropsTheInput) {
    for (const std::uint32_t claimed : {0u, 10u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(claimed);
        errorBox.shown = 0;
        source.shortReads[1] = claimed;
        deliver(1, hidInput(Keyboard, 3, 1, {0x02, 0x00, 0xA4}));
        EXPECT_EQ(errorBox.shown, 1);
        EXPECT_TRUE(nothingSent());
    }
}

TEST_F(RawInputListenerTest, OnlyOneBoxIsOpenWhileItsLoopDispatchesInput) {
    source.inputs[2] = hidInput(Keyboard, 3, 1, {0x02, 0x00, 0xA5});
    source.shortReads[2] = 4;
    source.inputs[3] = hidInput(Keyboard, 3, 1, {0x02, 0x00, 0xA6});
    errorBox.whileOpen = [this] {
        listener.onRawInput(2);  // fails too: no second box
        listener.onRawInput(3);  // readable: passed on as usual
    };
    source.shortReads[1] = 0;
    deliver(1, hidInput(Keyboard, 3, 1, {0x02, 0x00, 0xA4}));
    EXPECT_EQ(errorBox.shown, 1);
    ASSERT_EQ(owner.reports.size(), 1u);
    EXPECT_EQ(owner.reports[0].report, (ReportBlock{0x02, 0x00, 0xA6, 0, 0, 0, 0, 0}));

    // Once the box is closed, the next failure shows it again.
    errorBox.whileOpen = nullptr;
    listener.onRawInput(2);
    EXPECT_EQ(errorBox.shown, 2);
}

}  // namespace
