#include <gtest/gtest.h>

#include "keylink/read_operation.h"
#include "keylink_fixture.h"

namespace keylink::testing {
namespace {

using Rescan = KeylinkTest;

TEST_F(Rescan, TwelveMatchesKeepTheFirstTenPositions) {
    stack.interfaces.push_back(otherDevice(90, 0x0001, 0x0006));
    addKeyboards(12);
    EXPECT_TRUE(initialise());
    EXPECT_EQ(list.count(), 13);
    std::vector<std::int32_t> matched(list.matchedPositions().begin(),
                                      list.matchedPositions().end());
    EXPECT_EQ(matched, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(host.posted, std::vector<std::uint32_t>{FoundMessage});
}

// Each device is in the list but none of them is the keyboard's presence collection.
TEST_F(Rescan, OnlyThePresenceCollectionOfTheKeyboardCounts) {
    struct Case {
        const char* name;
        FakeInterface device;
    };
    FakeInterface sibling18 = keyboardCollection(1);
    sibling18.productId = 0x2B18;
    FakeInterface sibling19 = keyboardCollection(2);
    sibling19.productId = 0x2B19;
    FakeInterface otherVendor = keyboardCollection(3);
    otherVendor.vendorId = 0x046D;
    const Case cases[] = {
        {"keyboard's answer collection", otherDevice(4, 0xFF00, 0x0002)},
        {"keyboard's consumer collection", otherDevice(5, 0x000C, 0x0003)},
        {"usage page only", otherDevice(6, 0xFF00, 0x0001)},
        {"product 0x2B18", sibling18},
        {"product 0x2B19", sibling19},
        {"another vendor", otherVendor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDeviceStack single;
        single.interfaces.push_back(c.device);
        FakeHostWindow singleHost;
        HidDeviceList singleList(single, singleHost, readers);
        singleList.setTarget(0xFF00, 0xFF00);
        singleList.rescan();
        EXPECT_EQ(singleList.count(), 1);
        EXPECT_TRUE(singleList.matchedPositions().empty());
        EXPECT_EQ(singleHost.posted, std::vector<std::uint32_t>{MissingMessage});
    }
}

// Before InitDriver the target is all zeros, which must not make empty records look present.
TEST_F(Rescan, EmptyRecordsNeverMatchAZeroTarget) {
    addKeyboards(2);
    stack.interfaces[0].openFails = true;
    list.rescan();
    EXPECT_TRUE(list.matchedPositions().empty());
    EXPECT_EQ(host.posted, std::vector<std::uint32_t>{MissingMessage});
}

TEST_F(Rescan, ResultIsWhetherTheMessageWasPosted) {
    addKeyboards(1);
    host.postFails = true;
    EXPECT_FALSE(initialise());
    EXPECT_EQ(list.matchedPositions().size(), 1u);
}

TEST_F(Rescan, RescanStopsARunningReaderBeforeReplacingTheList) {
    addKeyboards(1);
    initialise();
    startMatchingReaders(list, 0xFF00, 0xFF00);
    ASSERT_TRUE(list.readerRunning(0));
    ASSERT_EQ(host.registrations.size(), 1u);

    stack.interfaces.push_back(keyboardCollection(7));
    list.rescan();
    EXPECT_FALSE(list.readerRunning(0));
    EXPECT_FALSE(list.isOpen(0));
    EXPECT_TRUE(host.registrations.empty());
    EXPECT_TRUE(readers.liveThreadHandles.empty());
    // Only the reader's own copy of the handle is still open; the reader ends at its next look
    // at its stop flag and closes it.
    EXPECT_EQ(stack.openHandleCount(), 1u);
    readers.runThreads();
    EXPECT_EQ(readers.exitCodes, std::vector<std::uint32_t>{0});
    EXPECT_EQ(list.count(), 2);
    expectNothingLeft();
}

TEST_F(Rescan, OpenAndCloseFollowTheirMode) {
    addKeyboards(1);
    initialise();
    stack.opens.clear();
    ASSERT_TRUE(list.openRecord(0, OpenMode::Query));
    EXPECT_TRUE(list.isOpen(0));
    EXPECT_TRUE(list.closeRecord(0));
    EXPECT_FALSE(list.closeRecord(0));
    ASSERT_TRUE(list.openRecord(0, OpenMode::Read));
    list.closeRecord(0);

    ASSERT_EQ(stack.opens.size(), 2u);
    EXPECT_EQ(stack.opens[0].access, 0u);
    EXPECT_EQ(stack.opens[0].flags, 0x80u);
    EXPECT_EQ(stack.opens[1].access, 0xC0000000u);
    EXPECT_EQ(stack.opens[1].flags, 0x40000000u);
    for (const OpenCall& open : stack.opens) {
        EXPECT_EQ(open.share, 3u);
        EXPECT_EQ(open.creation, 3u);
    }
    expectNothingLeft();
}

TEST_F(Rescan, RecordsThatCannotBeOpened) {
    addKeyboards(2);
    initialise();
    stack.interfaces[0].preparsedFails = true;
    stack.interfaces[1].openFails = true;
    EXPECT_FALSE(list.openRecord(0, OpenMode::Query));
    EXPECT_FALSE(list.openRecord(1, OpenMode::Query));
    EXPECT_FALSE(list.openRecord(2, OpenMode::Query));
    EXPECT_FALSE(list.openRecord(-1, OpenMode::Query));
    EXPECT_FALSE(list.isOpen(0));
    EXPECT_EQ(list.record(2), nullptr);
    EXPECT_EQ(list.record(-1), nullptr);
    expectNothingLeft();
}

}  // namespace
}  // namespace keylink::testing
