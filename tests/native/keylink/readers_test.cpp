#include <gtest/gtest.h>

#include <array>

#include "keylink/read_operation.h"
#include "keylink_fixture.h"

namespace keylink::testing {
namespace {

using Readers = KeylinkTest;
using Report = std::array<std::uint8_t, 32>;

Report padded(std::initializer_list<std::uint8_t> bytes) {
    Report report{};
    std::copy(bytes.begin(), bytes.end(), report.begin());
    return report;
}

TEST_F(Readers, ReadDeviceStartsAtMostTenInListOrder) {
    FakeInterface sibling = keyboardCollection(50);
    sibling.productId = 0x2B18;
    stack.interfaces.push_back(sibling);
    addKeyboards(11);
    initialise();

    startMatchingReaders(list, 0xFF00, 0xFF00);
    EXPECT_EQ(readers.parkedCount(), 10u);
    for (std::int32_t p = 0; p < 10; ++p)
        EXPECT_TRUE(list.readerRunning(p)) << p;
    EXPECT_FALSE(list.readerRunning(10));
    EXPECT_FALSE(list.isOpen(10));
    EXPECT_EQ(stack.opens.back().access, 0xC0000000u);
    expectNothingLeft();
}

TEST_F(Readers, ReadDeviceAcceptsTheSiblingProductsOnly) {
    struct Case {
        std::uint16_t productId;
        bool started;
    } cases[] = {{0x2B17, true}, {0x2B18, true}, {0x2B19, true}, {0x2B1A, false}, {0x2B16, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.productId);
        FakeDeviceStack one;
        one.interfaces.push_back(otherDevice(0, 0xFF00, 0x0002));
        one.interfaces[0].productId = c.productId;
        FakeHostWindow oneHost;
        FakeReaderHost oneReaders;
        HidDeviceList oneList(one, oneHost, oneReaders);
        oneList.setTarget(0xFF00, 0xFF00);
        oneList.rescan();
        startMatchingReaders(oneList, 0xFF00, 0x0002);
        EXPECT_EQ(oneList.readerRunning(0), c.started);
        oneList.releaseAll();
        oneReaders.runThreads();
        EXPECT_EQ(one.openHandleCount(), 0u);
    }
}

// Records the reader could not be started for still count towards the ten.
TEST_F(Readers, ReadDeviceCountsPositionsBeyondTheSlots) {
    for (int i = 0; i < 30; ++i)
        stack.interfaces.push_back(otherDevice(i, 1, 2));
    addKeyboards(12, 30);
    initialise();
    startMatchingReaders(list, 0xFF00, 0xFF00);
    EXPECT_EQ(readers.parkedCount(), 0u);
    EXPECT_FALSE(list.startReader(41));
    EXPECT_FALSE(list.isOpen(41));
    expectNothingLeft();
}

TEST_F(Readers, ReadDeviceCountsRecordsThatCouldNotBeOpened) {
    addKeyboards(12);
    initialise();
    for (int i = 0; i < 10; ++i)
        stack.interfaces[i].openFails = true;
    startMatchingReaders(list, 0xFF00, 0xFF00);
    EXPECT_EQ(readers.parkedCount(), 0u);
    EXPECT_FALSE(list.isOpen(10));
    expectNothingLeft();
}

TEST_F(Readers, StartingARunningReaderAgainLeavesItRunning) {
    addKeyboards(1);
    initialise();
    ASSERT_TRUE(list.startReader(0));
    ASSERT_TRUE(list.startReader(0));
    EXPECT_EQ(readers.parkedCount(), 1u);
    EXPECT_EQ(host.registrations.size(), 1u);
    EXPECT_EQ(stack.openHandleCount(), 2u);  // the record's handle and the reader's own copy
    expectNothingLeft();
}

TEST_F(Readers, StartFailsCleanly) {
    struct Case {
        const char* name;
        bool openFails;
        bool threadFails;
    } cases[] = {{"open fails", true, false}, {"no thread", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDeviceStack one;
        one.interfaces.push_back(keyboardCollection(0));
        FakeHostWindow oneHost;
        FakeReaderHost oneReaders;
        oneReaders.startFails = c.threadFails;
        HidDeviceList oneList(one, oneHost, oneReaders);
        oneList.setTarget(0xFF00, 0xFF00);
        oneList.rescan();
        one.interfaces[0].openFails = c.openFails;
        EXPECT_FALSE(oneList.startReader(0));
        EXPECT_FALSE(oneList.readerRunning(0));
        oneList.releaseAll();
        EXPECT_EQ(one.openHandleCount(), 0u);
        EXPECT_TRUE(oneHost.registrations.empty());
    }
}

// Each report is relayed from a copy padded with zeros, with the list position as wParam; a
// failed or empty read is not relayed; the report before the device went away still is.
TEST_F(Readers, PassesRelayEveryWholeReportAndEndWhenTheDeviceGoes) {
    stack.interfaces.push_back(otherDevice(9, 1, 6));
    addKeyboards(1);
    initialise();
    FakeInterface& keyboard = stack.interfaces[1];
    keyboard.reads = {
        {{0x02, 0x00, 0x00, 0xA4, 0x55, 0x66, 0x77, 0x88, 0x99}},
        {{0x04, 0xFF}},
        {{}, 0},
        {{0x09, 0x09, 0x09}, 31},
        {{0x05}},
        {{}, 1167, true},
    };
    startMatchingReaders(list, 0xFF00, 0xFF00);
    readers.runThreads();

    ASSERT_EQ(readers.relayed.size(), 3u);
    EXPECT_EQ(readers.relayed[0].position, 1);
    EXPECT_EQ(readers.relayed[0].bytes,
              padded({0x02, 0x00, 0x00, 0xA4, 0x55, 0x66, 0x77, 0x88, 0x99}));
    EXPECT_EQ(readers.relayed[1].bytes, padded({0x04, 0xFF}));
    EXPECT_EQ(readers.relayed[2].bytes, padded({0x05}));
    EXPECT_EQ(readers.exitCodes, std::vector<std::uint32_t>{1});
    // The record stays open until the next stop; the reader's own handle is closed.
    EXPECT_TRUE(list.isOpen(1));
    EXPECT_EQ(stack.openHandleCount(), 1u);
    EXPECT_FALSE(list.readerRunning(1));

    // The finished reader's slot can be used again.
    keyboard.readIssueFails = false;
    EXPECT_TRUE(list.startReader(1));
    EXPECT_EQ(host.registrations.size(), 1u);
    expectNothingLeft();
}

// The owner may be slow: the next read completing meanwhile must not change what it sees.
TEST_F(Readers, RelayedReportStaysIntactWhileTheNextReadIsPending) {
    addKeyboards(1);
    initialise();
    stack.interfaces[0].reads = {{{0x01, 0x01}}, {{0x02, 0x02}}, {{}, 1167, true}};
    readers.duringRelay = [&] { stack.writeIntoPendingRead(); };
    startMatchingReaders(list, 0xFF00, 0xFF00);
    readers.runThreads();
    ASSERT_EQ(readers.relayed.size(), 2u);
    EXPECT_EQ(readers.relayed[0].bytes, padded({0x01, 0x01}));
    EXPECT_EQ(readers.relayed[1].bytes, padded({0x02, 0x02}));
    expectNothingLeft();
}

TEST_F(Readers, StopSignalsAndTheReaderCancelsItsReadAndEnds) {
    addKeyboards(1);
    initialise();
    stack.interfaces[0].reads = {{{0x07, 0x07}}};
    int idleSleeps = 0;
    stack.duringIdleSleep = [&] {
        // The owner's thread stops the reader while it waits for its second report.
        if (++idleSleeps == 2)
            list.stopReader(0);
    };
    startMatchingReaders(list, 0xFF00, 0xFF00);
    readers.runThreads();

    EXPECT_EQ(readers.exitCodes, std::vector<std::uint32_t>{0});
    EXPECT_EQ(stack.cancelCount, 1);
    EXPECT_EQ(readers.relayed.size(), 1u);
    EXPECT_FALSE(list.isOpen(0));
    EXPECT_EQ(stack.openHandleCount(), 0u);
    expectNothingLeft();
}

TEST_F(Readers, ReaderStoppedBeforeItRunsEndsAtOnce) {
    addKeyboards(1);
    initialise();
    stack.interfaces[0].reads = {{{0x07}}};
    startMatchingReaders(list, 0xFF00, 0xFF00);
    list.releaseAll();
    readers.runThreads();
    EXPECT_EQ(readers.exitCodes, std::vector<std::uint32_t>{0});
    EXPECT_TRUE(readers.relayed.empty());
    EXPECT_EQ(stack.interfaces[0].reads.size(), 1u);
    expectNothingLeft();
}

}  // namespace
}  // namespace keylink::testing
