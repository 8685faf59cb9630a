#include <gtest/gtest.h>

#include <array>

#include "keylink/feature_operations.h"
#include "keylink_fixture.h"

namespace keylink::testing {
namespace {

using Features = KeylinkTest;
using Bytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 8> LevelReport{0x03, 0x00, 0xFF, 0x02, 0, 0, 0, 0};

TEST_F(Features, SetGoesToEveryMatchInListOrderEachWithItsPause) {
    addKeyboards(1, 0);
    stack.interfaces.push_back(otherDevice(1, 0xFF00, 0x0002));
    addKeyboards(1, 2);
    initialise();

    sendFeatureReport(list, 0xFF00, 0xFF00, LevelReport);

    const Bytes sent(LevelReport.begin(), LevelReport.end());
    ASSERT_EQ(stack.transfers.size(), 4u);
    EXPECT_EQ(stack.transfers[0].kind, "setFeature");
    EXPECT_EQ(stack.transfers[0].path, stack.interfaces[0].path);
    EXPECT_EQ(stack.transfers[0].bytes, sent);
    EXPECT_EQ(stack.transfers[1].kind, "pause");
    EXPECT_EQ(stack.transfers[1].bytes, Bytes{1});
    EXPECT_EQ(stack.transfers[2].path, stack.interfaces[2].path);
    EXPECT_EQ(stack.transfers[2].bytes, sent);
    EXPECT_EQ(stack.transfers[3].kind, "pause");
    // Each record was opened for the call in query mode and is closed again.
    EXPECT_FALSE(list.isOpen(0));
    EXPECT_FALSE(list.isOpen(2));
    EXPECT_EQ(stack.opens.back().access, 0u);
    expectNothingLeft();
}

TEST_F(Features, SetSendsNothingWithoutAMatch) {
    struct Case {
        const char* name;
        bool initialised;
        std::uint32_t usagePage;
        std::uint32_t usage;
    } cases[] = {
        {"before InitDriver", false, 0xFF00, 0xFF00},
        {"unknown collection", true, 0xFF00, 0x0007},
        // The caller's 32 bits are compared whole, never cut to the record's 16.
        {"usage page with high bits", true, 0x1FF00, 0xFF00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDeviceStack one;
        one.interfaces.push_back(keyboardCollection(0));
        FakeHostWindow oneHost;
        HidDeviceList oneList(one, oneHost, readers);
        if (c.initialised) {
            oneList.setTarget(0xFF00, 0xFF00);
            oneList.rescan();
        }
        sendFeatureReport(oneList, c.usagePage, c.usage, LevelReport);
        EXPECT_TRUE(one.transfers.empty());
    }
}

TEST_F(Features, SetSkipsARecordThatCannotBeOpenedAndReachesTheNext) {
    addKeyboards(2);
    initialise();
    stack.interfaces[0].openFails = true;
    sendFeatureReport(list, 0xFF00, 0xFF00, LevelReport);
    ASSERT_EQ(stack.transfers.size(), 2u);
    EXPECT_EQ(stack.transfers[0].path, stack.interfaces[1].path);
    expectNothingLeft();
}

TEST_F(Features, GetReadsTheRecordsReportLengthAndKeepsTheLastMatch) {
    addKeyboards(2);
    stack.interfaces[0].featureAnswer = {0x04, 0x11, 0x11};
    stack.interfaces[0].featureReportLength = 3;
    stack.interfaces[1].featureAnswer = {0x04, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22};
    initialise();

    std::array<std::uint8_t, 8> buffer{0x04};
    readFeatureReport(list, 0x3C5A, 0x2B17, 0xFF00, 0xFF00, buffer);
    EXPECT_EQ(buffer,
              (std::array<std::uint8_t, 8>{0x04, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22}));
    ASSERT_EQ(stack.transfers.size(), 4u);
    EXPECT_EQ(stack.transfers[0].bytes.size(), 3u);
    EXPECT_EQ(stack.transfers[1].kind, "pause");
    EXPECT_EQ(stack.transfers[2].bytes.size(), 8u);
    expectNothingLeft();
}

TEST_F(Features, GetReadsNothingFromAReportLongerThanEightBytes) {
    addKeyboards(1);
    stack.interfaces[0].featureReportLength = 9;
    stack.interfaces[0].featureAnswer = Bytes(9, 0xEE);
    initialise();

    std::array<std::uint8_t, 8> buffer{0x04, 1, 2, 3, 4, 5, 6, 7};
    const auto before = buffer;
    readFeatureReport(list, 0x3C5A, 0x2B17, 0xFF00, 0xFF00, buffer);
    EXPECT_EQ(buffer, before);
    EXPECT_TRUE(stack.transfers.empty());
    expectNothingLeft();
}

TEST_F(Features, StringsReturnTheRecordCountWhateverMatched) {
    addKeyboards(3);
    initialise();
    std::array<std::uint8_t, 16> buffer{};
    EXPECT_EQ(readManufacturerString(list, 0x1234, 0x5678, 0xFF00, 0xFF00, buffer), 3);
    EXPECT_EQ(readIndexedString(list, 0x3C5A, 0x2B17, 0x0001, 0x0002, 4, buffer), 3);
    EXPECT_TRUE(stack.transfers.empty());
    FakeDeviceStack none;
    FakeHostWindow noneHost;
    HidDeviceList emptyList(none, noneHost, readers);
    EXPECT_EQ(readManufacturerString(emptyList, 0x3C5A, 0x2B17, 0xFF00, 0xFF00, buffer), 0);
}

// The system does not terminate a string that fills the buffer; the last whole unit of the
// caller's buffer always ends up zero after a successful call.
TEST_F(Features, StringsAlwaysEndInsideTheBuffer) {
    addKeyboards(1);
    stack.interfaces[0].stringAnswer = Bytes(20, 'A');
    initialise();
    struct Case {
        std::size_t bufferBytes;
        Bytes expected;
    } cases[] = {
        {6, {'A', 'A', 'A', 'A', 0, 0}},
        {7, {'A', 'A', 'A', 'A', 0, 0, 'A'}},
        {1, {'A'}},
        {0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bufferBytes);
        Bytes buffer(c.bufferBytes, 0x55);
        EXPECT_EQ(readManufacturerString(list, 0x3C5A, 0x2B17, 0xFF00, 0xFF00, buffer), 1);
        EXPECT_EQ(buffer, c.expected);
        Bytes indexed(c.bufferBytes, 0x55);
        readIndexedString(list, 0x3C5A, 0x2B17, 0xFF00, 0xFF00, 2, indexed);
        EXPECT_EQ(indexed, c.expected);
    }
    expectNothingLeft();
}

}  // namespace
}  // namespace keylink::testing
