#include <gtest/gtest.h>

#include <initializer_list>

#include "emulator/keyboard_firmware.h"
#include "stormline/core/feature_reports.h"

namespace {

using emulator::KeyAction;
using emulator::KeyEvent;
using emulator::KeyPlayback;
using emulator::playKeyBlock;

constexpr KeyAction Make = KeyAction::Make;
constexpr KeyAction Break = KeyAction::Break;

common::KeyBlock block(std::initializer_list<std::uint8_t> slots, std::uint8_t mode) {
    common::KeyBlock b{};
    std::copy(slots.begin(), slots.end(), b.begin());
    b[40] = mode;
    return b;
}

TEST(PlayKeyBlock, PlaysSlotsUpToTheEndMark) {
    struct Case {
        const char* what;
        common::KeyBlock block;
        std::vector<KeyEvent> events;
    };
    const Case cases[] = {
        {"shortcut Ctrl+V",
         block({0xE0, 0x00, 0x19, 0x00, 0x19, 0x80, 0xE0, 0xC0}, 0xB0),
         {{0xE0, Make, 0}, {0x19, Make, 0}, {0x19, Break, 0}, {0xE0, Break, 0}}},
        {"delays in bits 0-5, release delays that look like mode bytes",
         block({0x04, 0x3F, 0x04, 0xA0, 0x05, 0x22, 0x05, 0xE1}, 0xA0),
         {{0x04, Make, 63}, {0x04, Break, 32}, {0x05, Make, 34}, {0x05, Break, 33}}},
        {"bytes behind the end mark are not played",
         block({0x04, 0x00, 0x04, 0xC0, 0x06, 0x00, 0x06, 0x80}, 0xB0),
         {{0x04, Make, 0}, {0x04, Break, 0}}},
        {"empty slots are skipped",
         block({0x04, 0x01, 0x00, 0x00, 0x04, 0xC2}, 0xA1),
         {{0x04, Make, 1}, {0x04, Break, 2}}},
        {"an end-marked empty slot ends",
         block({0x04, 0x00, 0x00, 0x40, 0x04, 0x80}, 0xA2),
         {{0x04, Make, 0}}},
        {"cleared key", block({0x04, 0x00, 0x04, 0xC0}, 0x00), {}},
        {"unknown mode", block({0x04, 0x00, 0x04, 0xC0}, 0xA3), {}},
        {"all-zero one-time macro", block({}, 0xA0), {}},
        {"usage code twice is no launch",
         block({0x04, 0x00, 0x04, 0xC0}, 0xB0),
         {{0x04, Make, 0}, {0x04, Break, 0}}},
        {"key code under a macro mode is typed",
         block({0xA4, 0x00, 0xA4, 0xC0}, 0xA0),
         {{0xA4, Make, 0}, {0xA4, Break, 0}}},
    };
    for (const Case& c : cases) {
        const KeyPlayback playback = playKeyBlock(c.block);
        EXPECT_EQ(playback.events, c.events) << c.what;
        EXPECT_FALSE(playback.launchCode) << c.what;
        EXPECT_EQ(playback.mode, c.block[40]) << c.what;
    }
}

TEST(PlayKeyBlock, WithoutEndMarkAllTwentySlotsPlay) {
    common::KeyBlock b{};
    for (std::size_t slot = 0; slot < 20; ++slot) {
        b[2 * slot] = static_cast<std::uint8_t>(0x04 + slot / 2);
        b[2 * slot + 1] = slot % 2 ? 0x80 : 0x00;
    }
    b[40] = 0xA0;
    const KeyPlayback playback = playKeyBlock(b);
    ASSERT_EQ(playback.events.size(), 20u);
    EXPECT_EQ(playback.events.back(), (KeyEvent{0x0D, Break, 0}));
}

TEST(PlayKeyBlock, LaunchBlockReportsItsCodeInsteadOfTyping) {
    for (std::uint8_t code : {0x98, 0xA4, 0xBF}) {
        const KeyPlayback playback = playKeyBlock(block({code, 0x00, code, 0xC0}, 0xB0));
        EXPECT_EQ(playback.launchCode, code);
        EXPECT_TRUE(playback.events.empty());
    }
}

struct Keyboard : ::testing::Test {
    emulator::KeyboardFirmware firmware;

    void store(int profile, int key, const common::KeyBlock& b) {
        std::uint16_t address = static_cast<std::uint16_t>(4 + 410 * profile + 41 * key);
        // Through the same write command the application's upload uses, chunk by chunk; the
        // last chunk reaches into the next key, which these tests leave empty.
        std::array<std::uint8_t, 45> padded{};
        std::copy(b.begin(), b.end(), padded.begin());
        for (std::size_t at = 0; at < padded.size(); at += 5) {
            ASSERT_TRUE(firmware.receiveFeatureReport(
                common::CommandCollection,
                core::writeFiveBytesReport(static_cast<std::uint16_t>(address + at),
                                           std::span(padded).subspan(at).first<5>())));
        }
    }
};

TEST_F(Keyboard, LaunchKeyOfTheOnBoardProfileQueuesItsReport) {
    store(2, 4, block({0xB0, 0x00, 0xB0, 0xC0}, 0xB0));
    ASSERT_TRUE(firmware.selectOnBoardProfile(2));
    const KeyPlayback playback = firmware.pressKey(4);
    EXPECT_EQ(playback.launchCode, 0xB0);

    const std::vector<emulator::InputReport> reports = firmware.takeInputReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].collection, common::ConsumerCollection);
    EXPECT_EQ(reports[0].bytes, (emulator::ReportBytes{0x02, 0x00, 0x00, 0xB0, 0, 0, 0, 0}));
}

TEST_F(Keyboard, KeysPlayFromTheSelectedProfileOnly) {
    store(2, 4, block({0xB0, 0x00, 0xB0, 0xC0}, 0xB0));
    store(0, 4, block({0x04, 0x00, 0x04, 0xC0}, 0xA0));
    EXPECT_EQ(firmware.onBoardProfile(), 0);
    EXPECT_EQ(firmware.pressKey(4).events.size(), 2u);
    EXPECT_FALSE(firmware.hasInputReports());

    EXPECT_FALSE(firmware.selectOnBoardProfile(4));
    EXPECT_FALSE(firmware.selectOnBoardProfile(-1));
    EXPECT_EQ(firmware.onBoardProfile(), 0);
    for (int key : {-1, 10}) {
        const KeyPlayback playback = firmware.pressKey(key);
        EXPECT_TRUE(playback.events.empty());
        EXPECT_FALSE(playback.launchCode);
    }
    EXPECT_FALSE(firmware.hasInputReports());
}

TEST_F(Keyboard, FanChangeIsReportedOncePerChange) {
    const emulator::InputReport fanChange{common::ConsumerCollection,
                                          {0x02, 0x00, 0x04, 0, 0, 0, 0, 0}};
    firmware.setFanState(true, false);
    firmware.setFanState(true, false);
    EXPECT_EQ(firmware.takeInputReports(), std::vector{fanChange});
    firmware.setFanState(true, true);
    firmware.setFanState(false, false);
    EXPECT_EQ(firmware.takeInputReports(), (std::vector{fanChange, fanChange}));
    EXPECT_FALSE(firmware.leftFanOn());
    EXPECT_FALSE(firmware.rightFanOn());
}

}  // namespace
