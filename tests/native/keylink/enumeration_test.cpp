#include <gtest/gtest.h>

#include <string>

#include "keylink/enumeration.h"
#include "keylink_fixture.h"

namespace keylink::testing {
namespace {

using Enumeration = KeylinkTest;

TEST_F(Enumeration, NothingToFindPostsMissing) {
    struct Case {
        const char* name;
        bool classSetFails;
    } cases[] = {{"no HID interfaces", false}, {"class device set fails", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDeviceStack emptyStack;
        emptyStack.classSetFails = c.classSetFails;
        FakeHostWindow emptyHost;
        HidDeviceList emptyList(emptyStack, emptyHost, readers);
        emptyList.setTarget(0xFF00, 0xFF00);
        EXPECT_TRUE(emptyList.rescan());
        EXPECT_EQ(emptyList.count(), 0);
        EXPECT_EQ(emptyHost.posted, std::vector<std::uint32_t>{MissingMessage});
        EXPECT_FALSE(emptyStack.deviceSetOpen());
    }
}

// One interface in the middle fails in some way; it leaves an empty record at its own position
// and every other interface keeps its place.
TEST_F(Enumeration, InterfaceThatCannotBeProbedKeepsItsPositionEmpty) {
    struct Case {
        const char* name;
        void (*breakIt)(FakeInterface&);
    } cases[] = {
        {"enumeration error", [](FakeInterface& d) { d.enumError = 1167; }},
        {"detail size query fails otherwise", [](FakeInterface& d) { d.detailSizeError = 87; }},
        {"detail size below the fixed size", [](FakeInterface& d) { d.detailRequiredSize = 4; }},
        // On 32-bit Windows such a buffer cannot even be asked for, and the scan would end
        // without its found or missing message.
        {"detail size no path can need",
         [](FakeInterface& d) { d.detailRequiredSize = 0xFFFFFFFF; }},
        {"detail fetch fails", [](FakeInterface& d) { d.detailFetchFails = true; }},
        {"open fails", [](FakeInterface& d) { d.openFails = true; }},
        {"no preparsed data", [](FakeInterface& d) { d.preparsedFails = true; }},
        {"no attributes", [](FakeInterface& d) { d.attributesFails = true; }},
        {"no caps", [](FakeInterface& d) { d.capsFails = true; }},
        {"path of 260 characters", [](FakeInterface& d) { d.path.resize(260, 'x'); }},
        {"path of 300 characters", [](FakeInterface& d) { d.path.resize(300, 'x'); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDeviceStack stack3;
        for (int i = 0; i < 3; ++i)
            stack3.interfaces.push_back(keyboardCollection(i));
        c.breakIt(stack3.interfaces[1]);
        FakeHostWindow host3;
        HidDeviceList list3(stack3, host3, readers);
        list3.setTarget(0xFF00, 0xFF00);
        list3.rescan();

        ASSERT_EQ(list3.count(), 3);
        EXPECT_EQ(list3.record(0)->pathText(), stack3.interfaces[0].path);
        EXPECT_TRUE(list3.record(1)->isEmpty());
        EXPECT_EQ(list3.record(1)->vendorId, 0);
        EXPECT_EQ(list3.record(1)->usagePage, 0u);
        EXPECT_EQ(list3.record(2)->pathText(), stack3.interfaces[2].path);
        EXPECT_EQ(list3.matchedPositions().size(), 2u);
        EXPECT_EQ(stack3.openHandleCount(), 0u);
        EXPECT_EQ(stack3.outstandingPreparsedData(), 0);
        EXPECT_FALSE(stack3.deviceSetOpen());
    }
}

TEST_F(Enumeration, PathJustUnderTheLimitIsKept) {
    addKeyboards(1);
    stack.interfaces[0].path.resize(259, 'x');
    initialise();
    EXPECT_EQ(list.record(0)->pathText().size(), 259u);
    EXPECT_EQ(host.posted, std::vector<std::uint32_t>{FoundMessage});
}

// Errors that do not depend on the member index would fail the same way for every next index.
TEST_F(Enumeration, IndexIndependentErrorEndsWithTheEntriesFoundSoFar) {
    for (std::uint32_t error : {6u, 1784u}) {
        SCOPED_TRACE(error);
        FakeDeviceStack stack5;
        for (int i = 0; i < 5; ++i)
            stack5.interfaces.push_back(keyboardCollection(i));
        stack5.interfaces[3].enumError = error;
        ProbeArray probes = enumerateInterfaces(stack5);
        EXPECT_EQ(probes.probes().size(), 3u);
        EXPECT_EQ(stack5.memberIndicesAsked.back(), 3u);
    }
}

// A stack that fails every further index with an index-dependent error never says "no more
// items"; the enumeration still ends, with the interfaces it did find.
TEST_F(Enumeration, StackThatNeverEndsIsCutOff) {
    addKeyboards(2);
    stack.errorPastTheEnd = 1167;
    ProbeArray probes = enumerateInterfaces(stack);
    EXPECT_EQ(probes.probes().size(), MemberIndexLimit);
    EXPECT_EQ(probes.probes()[1].path, stack.interfaces[1].path);
    EXPECT_TRUE(probes.probes()[2].isEmpty());
}

TEST_F(Enumeration, ProbeOpensWithoutAccessAndClosesAfterTheRecordsAreBuilt) {
    addKeyboards(2);
    {
        ProbeArray probes = enumerateInterfaces(stack);
        ASSERT_EQ(probes.probes().size(), 2u);
        EXPECT_EQ(stack.openHandleCount(), 2u);
        EXPECT_EQ(probes.probes()[1].usage, 0xFF00);
        EXPECT_EQ(probes.probes()[1].featureReportLength, 8);
    }
    EXPECT_EQ(stack.openHandleCount(), 0u);
    ASSERT_EQ(stack.opens.size(), 2u);
    const OpenCall& open = stack.opens[0];
    EXPECT_EQ(open.path, stack.interfaces[0].path);
    EXPECT_EQ(open.access, 0u);
    EXPECT_EQ(open.share, 3u);
    EXPECT_EQ(open.creation, 3u);
    EXPECT_EQ(open.flags, 0u);
}

TEST_F(Enumeration, ManyInterfacesGrowTheProbeArrayByDoubling) {
    addKeyboards(100);
    {
        ProbeArray probes = enumerateInterfaces(stack);
        EXPECT_EQ(probes.probes().size(), 100u);
        EXPECT_EQ(probes.capacity(), 160u);
    }
    initialise();
    ASSERT_EQ(list.count(), 100);
    for (std::int32_t p = 0; p < 100; ++p) {
        EXPECT_EQ(list.record(p)->pathText(), stack.interfaces[p].path);
    }
    expectNothingLeft();
}

}  // namespace
}  // namespace keylink::testing
