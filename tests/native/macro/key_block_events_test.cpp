#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "common/profile_layout.h"
#include "stormline/macro/key_block_events.h"
#include "stormline/macro/macro_event.h"

namespace {

using common::KeyBlock;
using macro::breakEvent;
using macro::MacroEvent;
using macro::makeEvent;

KeyBlock blockOf(std::initializer_list<MacroEvent> events, std::uint8_t mode) {
    KeyBlock block{};
    std::size_t slot = 0;
    for (const MacroEvent& event : events) {
        macro::setEventAt(block, slot++, event);
    }
    macro::setMode(block, mode);
    return block;
}

MacroEvent endMarked(MacroEvent event) {
    event.setEndMark(true);
    return event;
}

TEST(MacroEvent, AttrBitsAndFields) {
    struct Case {
        MacroEvent event;
        std::uint8_t attr;
        bool release;
        bool endMark;
        std::uint8_t delay;
    };
    const Case cases[] = {
        {makeEvent(0x04), 0x00, false, false, 0},
        {makeEvent(0x04, 25), 0x19, false, false, 25},
        {breakEvent(0x04, 5), 0x85, true, false, 5},
        {endMarked(breakEvent(0xE0)), 0xC0, true, true, 0},
        {endMarked(makeEvent(0x28, 63)), 0x7F, false, true, 63},
        // Breaks with these pauses look like mode bytes, yet are plain event data.
        {breakEvent(0x04, 32), 0xA0, true, false, 32},
        {breakEvent(0x04, 33), 0xA1, true, false, 33},
        {breakEvent(0x04, 34), 0xA2, true, false, 34},
        // A pause beyond the field becomes the longest one instead of wrapping round.
        {makeEvent(0x04, 64), 0x3F, false, false, 63},
        {breakEvent(0x04, 1000), 0xBF, true, false, 63},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "attr 0x" << std::hex << unsigned{c.attr});
        EXPECT_EQ(c.event.attr, c.attr);
        EXPECT_EQ(c.event.release(), c.release);
        EXPECT_EQ(c.event.endMark(), c.endMark);
        EXPECT_EQ(c.event.delay(), c.delay);
    }
}

TEST(MacroEvent, SettersChangeOnlyTheirOwnBits) {
    MacroEvent event{0x04, 0xC5};
    event.setDelay(63);
    EXPECT_EQ(event.attr, 0xFF);
    event.setRelease(false);
    EXPECT_EQ(event.attr, 0x7F);
    event.setEndMark(false);
    EXPECT_EQ(event.attr, 0x3F);
    event.setDelay(0);
    EXPECT_EQ(event.attr, 0x00);
    EXPECT_EQ(event.code, 0x04);
}

TEST(KeyBlockSlots, SlotIsCodeThenAttrAtTwiceItsIndex) {
    KeyBlock block{};
    macro::setEventAt(block, 0, makeEvent(0x04, 3));
    macro::setEventAt(block, 19, endMarked(breakEvent(0xE7)));
    EXPECT_EQ(block[0], 0x04);
    EXPECT_EQ(block[1], 0x03);
    EXPECT_EQ(block[38], 0xE7);
    EXPECT_EQ(block[39], 0xC0);
    EXPECT_EQ(macro::eventAt(block, 19), (MacroEvent{0xE7, 0xC0}));
    EXPECT_EQ(macro::eventAt(block, 1), MacroEvent{});
}

TEST(KeyBlockSlots, SlotsPastTheLastNeitherReadNorWriteTheModeByte) {
    KeyBlock block{};
    block.fill(0x11);
    const KeyBlock before = block;
    macro::setEventAt(block, 20, MacroEvent{0x22, 0x33});
    macro::setEventAt(block, 1000, MacroEvent{0x22, 0x33});
    EXPECT_EQ(block, before);
    EXPECT_EQ(macro::eventAt(block, 20), MacroEvent{});
}

TEST(KeyBlockSlots, ReleaseAttrsThatLookLikeModesLeaveTheModeByteAlone) {
    const KeyBlock block =
        blockOf({breakEvent(0x04, 32), breakEvent(0x05, 33)}, common::ModeByte::Cleared);
    EXPECT_EQ(macro::modeOf(block), common::ModeByte::Cleared);
    EXPECT_EQ(block[1], 0xA0);
    EXPECT_EQ(block[3], 0xA1);
    EXPECT_EQ(block[common::ModeByteOffset], 0x00);
}

TEST(KeyBlockMode, MacroModesAreTheThreeRepeatModes) {
    struct Case {
        std::uint8_t mode;
        bool macro;
    };
    const Case cases[] = {
        {common::ModeByte::OneTime, true},
        {common::ModeByte::RepeatWhileHeld, true},
        {common::ModeByte::RepeatUntilNextKey, true},
        {common::ModeByte::FixedSequence, false},
        {common::ModeByte::Cleared, false},
        {0xA3, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(common::isMacroMode(c.mode), c.macro) << std::hex << unsigned{c.mode};
    }
    EXPECT_EQ(common::ModeByte::OneTime, 0xA0);
    EXPECT_EQ(common::ModeByte::RepeatWhileHeld, 0xA1);
    EXPECT_EQ(common::ModeByte::RepeatUntilNextKey, 0xA2);
    EXPECT_EQ(common::ModeByte::FixedSequence, 0xB0);
}

TEST(MarkEnd, ClearsEveryEndMarkThenMarksEventNMinusOne) {
    // End marks scattered over the slots, other attr bits set, and a mode byte with bit 6 set,
    // so that touching anything but the end marks shows.
    KeyBlock scattered{};
    for (std::size_t slot = 0; slot < macro::SlotCount; ++slot) {
        macro::setEventAt(scattered, slot,
                          MacroEvent{0x04, slot % 2 ? std::uint8_t{0xC5} : std::uint8_t{0x45}});
    }
    macro::setMode(scattered, 0xFF);

    struct Case {
        std::size_t n;
        int markedSlot;  // -1: none
    };
    const Case cases[] = {{0, -1}, {1, 0}, {3, 2}, {20, 19}, {21, -1}, {1000, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n = " << c.n);
        KeyBlock block = scattered;
        macro::markEnd(block, c.n);
        for (std::size_t slot = 0; slot < macro::SlotCount; ++slot) {
            const MacroEvent event = macro::eventAt(block, slot);
            EXPECT_EQ(event.endMark(), static_cast<int>(slot) == c.markedSlot) << "slot " << slot;
            EXPECT_EQ(event.attr & ~macro::EndMarkBit, slot % 2 ? 0x85 : 0x05);
            EXPECT_EQ(event.code, 0x04);
        }
        EXPECT_EQ(macro::modeOf(block), 0xFF);
    }
}

TEST(SequenceLength, EndMarkNotEmptySlotClosesTheSequence) {
    KeyBlock shortcutOverMacro{};
    for (std::size_t slot = 0; slot < macro::SlotCount; ++slot) {
        macro::setEventAt(shortcutOverMacro, slot, makeEvent(0x10, 2));
    }
    macro::setEventAt(shortcutOverMacro, 0, makeEvent(0xE0));
    macro::setEventAt(shortcutOverMacro, 1, makeEvent(0x06));
    macro::setEventAt(shortcutOverMacro, 2, breakEvent(0x06));
    macro::setEventAt(shortcutOverMacro, 3, endMarked(breakEvent(0xE0)));

    KeyBlock lastSlotMarked{};
    macro::setEventAt(lastSlotMarked, 19, endMarked(breakEvent(0x04)));

    struct Case {
        KeyBlock block;
        std::size_t length;
        const char* what;
    };
    const Case cases[] = {
        {blockOf({}, common::ModeByte::OneTime), 0, "an empty one-time macro lists no events"},
        {shortcutOverMacro, 4, "bytes left behind a fixed sequence are not part of it"},
        {blockOf({makeEvent(0x04), MacroEvent{}, endMarked(breakEvent(0x04))}, 0xA0), 3,
         "an empty slot inside the sequence does not end it"},
        {blockOf({makeEvent(0x04), breakEvent(0x04), MacroEvent{0x00, 0x81}}, 0x00), 3,
         "without an end mark, up to the last slot that is not all zero"},
        {lastSlotMarked, 20, "the end mark on the last slot"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(macro::sequenceLength(c.block), c.length) << c.what;
    }
}

}  // namespace
