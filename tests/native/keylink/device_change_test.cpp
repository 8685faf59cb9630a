#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/little_endian.h"
#include "keylink/device_change.h"
#include "keylink/read_operation.h"
#include "keylink_fixture.h"

namespace keylink::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t Arrival = 0x8000;
constexpr std::uint32_t QueryRemove = 0x8001;
constexpr std::uint32_t RemoveComplete = 0x8004;
constexpr std::uint32_t NodesChanged = 0x0007;

// A DEV_BROADCAST_DEVICEINTERFACE_A as the system lays it out, name included.
Bytes interfaceBroadcast(const std::string& name) {
    Bytes bytes(28 + name.size() + 1, 0);
    common::writeLe32(bytes, 0, static_cast<std::uint32_t>(bytes.size()));
    common::writeLe32(bytes, 4, 5);
    std::copy(name.begin(), name.end(), bytes.begin() + 28);
    return bytes;
}

Bytes wideInterfaceBroadcast(const std::string& name) {
    Bytes bytes(28 + 2 * (name.size() + 1), 0);
    common::writeLe32(bytes, 0, static_cast<std::uint32_t>(bytes.size()));
    common::writeLe32(bytes, 4, 5);
    for (std::size_t i = 0; i < name.size(); ++i)
        bytes[28 + 2 * i] = static_cast<std::uint8_t>(name[i]);
    return bytes;
}

Bytes handleBroadcast() {
    Bytes bytes(44, 0);
    common::writeLe32(bytes, 0, 44);
    common::writeLe32(bytes, 4, 6);
    return bytes;
}

std::string upperCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

class DeviceChange : public KeylinkTest {
  protected:
    void SetUp() override {
        stack.interfaces.push_back(otherDevice(1, 0x0001, 0x0002));
        addKeyboards(1, 2);
        initialise();
        host.posted.clear();
        startMatchingReaders(list, 0xFF00, 0xFF00);
        ASSERT_TRUE(list.readerRunning(1));
    }
    const std::string& keyboardPath() const { return stack.interfaces[1].path; }
    std::size_t enumerations() const {
        return std::count(stack.memberIndicesAsked.begin(), stack.memberIndicesAsked.end(), 0u);
    }
};

TEST_F(DeviceChange, AnyInterfaceArrivingRescans) {
    stack.interfaces.push_back(otherDevice(5, 0x0001, 0x0002));
    handleDeviceChange(list, Arrival, interfaceBroadcast("\\\\?\\hid#mouse"));
    EXPECT_EQ(host.posted, std::vector<std::uint32_t>{FoundMessage});
    EXPECT_EQ(list.count(), 3);
    EXPECT_FALSE(list.readerRunning(1));
    expectNothingLeft();
}

TEST_F(DeviceChange, EventsThatChangeNothing) {
    struct Case {
        const char* name;
        std::uint32_t event;
        Bytes broadcast;
    } cases[] = {
        {"arrival of a handle", Arrival, handleBroadcast()},
        {"arrival without a broadcast", Arrival, {}},
        {"removal of a handle", RemoveComplete, handleBroadcast()},
        {"removal of an unmatched interface", RemoveComplete,
         interfaceBroadcast(stack.interfaces[0].path)},
        {"removal with an empty name", RemoveComplete, interfaceBroadcast("")},
        {"nodes changed", NodesChanged, {}},
        {"header cut short", Arrival, Bytes{8, 0, 0, 0, 5, 0}},
    };
    const std::size_t before = enumerations();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        handleDeviceChange(list, c.event, c.broadcast);
        EXPECT_TRUE(host.posted.empty());
        EXPECT_EQ(enumerations(), before);
        EXPECT_TRUE(list.readerRunning(1));
    }
    expectNothingLeft();
}

TEST_F(DeviceChange, QueryRemoveOfAnyDeviceReleasesWithoutRescan) {
    for (const Bytes& broadcast : {handleBroadcast(), interfaceBroadcast("volume"), Bytes{}}) {
        ASSERT_TRUE(list.startReader(1));
        const std::size_t before = enumerations();
        handleDeviceChange(list, QueryRemove, broadcast);
        EXPECT_FALSE(list.readerRunning(1));
        EXPECT_FALSE(list.isOpen(1));
        EXPECT_TRUE(host.registrations.empty());
        EXPECT_EQ(enumerations(), before);
        EXPECT_TRUE(host.posted.empty());
    }
    expectNothingLeft();
}

TEST_F(DeviceChange, RemovalOfTheMatchedPathRescans) {
    struct Case {
        const char* name;
        Bytes broadcast;
    } cases[] = {
        {"same case", interfaceBroadcast(keyboardPath())},
        {"other case", interfaceBroadcast(upperCase(keyboardPath()))},
        {"name in UTF-16", wideInterfaceBroadcast(upperCase(keyboardPath()))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        initialise();
        host.posted.clear();
        const FakeInterface keyboard = stack.interfaces[1];
        stack.interfaces.pop_back();
        handleDeviceChange(list, RemoveComplete, c.broadcast);
        EXPECT_EQ(host.posted, std::vector<std::uint32_t>{MissingMessage});
        EXPECT_EQ(list.count(), 1);
        stack.interfaces.push_back(keyboard);
    }
    expectNothingLeft();
}

// The name is read only as far as the broadcast's own size reaches: a size field that ends the
// name early gives a shorter name, which is not the keyboard's path.
TEST_F(DeviceChange, NameIsReadNoFurtherThanTheBroadcastsSize) {
    Bytes broadcast = interfaceBroadcast(keyboardPath());
    broadcast.pop_back();
    broadcast.pop_back();
    EXPECT_EQ(broadcastInterfaceName(broadcast),
              keyboardPath().substr(0, keyboardPath().size() - 1));
    handleDeviceChange(list, RemoveComplete, broadcast);
    EXPECT_TRUE(host.posted.empty());

    Bytes nonAscii = wideInterfaceBroadcast("\\\\?\\x");
    nonAscii[28 + 2 * 4 + 1] = 0x30;
    EXPECT_EQ(broadcastInterfaceName(nonAscii), std::nullopt);
    EXPECT_EQ(broadcastInterfaceName(Bytes(20, 0)), std::string());
    expectNothingLeft();
}

// With two keyboard collections matched, a removal of the second one goes on with the table the
// rescan produced.
TEST_F(DeviceChange, RemovalLoopContinuesWithTheNewTable) {
    addKeyboards(2, 3);
    initialise();
    host.posted.clear();
    std::vector<std::int32_t> before(list.matchedPositions().begin(),
                                     list.matchedPositions().end());
    ASSERT_EQ(before, (std::vector<std::int32_t>{1, 2, 3}));
    const std::string removed = stack.interfaces[2].path;
    stack.interfaces.erase(stack.interfaces.begin() + 2);
    handleDeviceChange(list, RemoveComplete, interfaceBroadcast(removed));
    EXPECT_EQ(host.posted, std::vector<std::uint32_t>{FoundMessage});
    EXPECT_EQ(list.matchedPositions().size(), 2u);
    expectNothingLeft();
}

}  // namespace
}  // namespace keylink::testing
