#pragma once
// A device list wired to fakes, with helpers to lay out the interfaces a case needs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_device_stack.h"
#include "fake_hosts.h"
#include "keylink/hid_device_list.h"

namespace keylink::testing {

constexpr std::uint32_t FoundMessage = 1536;
constexpr std::uint32_t MissingMessage = 1792;

class KeylinkTest : public ::testing::Test {
  protected:
    FakeDeviceStack stack;
    FakeHostWindow host;
    FakeReaderHost readers;
    HidDeviceList list{stack, host, readers};

    // What InitDriver does with the programs' arguments, less the window.
    bool initialise() {
        list.setTarget(0xFF00, 0xFF00);
        return list.rescan();
    }

    void addKeyboards(int count, int firstSerial = 0) {
        for (int i = 0; i < count; ++i)
            stack.interfaces.push_back(keyboardCollection(firstSerial + i));
    }

    std::vector<std::string> recordPaths() const {
        std::vector<std::string> paths;
        for (std::int32_t p = 0; p < list.count(); ++p) {
            paths.emplace_back(list.record(p)->pathText());
        }
        return paths;
    }

    // After everything is released and every reader has run out, no handle, descriptor,
    // device set, registration or thread handle may be left.
    void expectNothingLeft() {
        list.releaseAll();
        readers.runThreads();
        EXPECT_EQ(stack.openHandleCount(), 0u);
        EXPECT_EQ(stack.outstandingPreparsedData(), 0);
        EXPECT_FALSE(stack.deviceSetOpen());
        EXPECT_TRUE(host.registrations.empty());
        EXPECT_TRUE(readers.liveThreadHandles.empty());
    }
};

}  // namespace keylink::testing
