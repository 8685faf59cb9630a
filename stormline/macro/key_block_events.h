#pragma once
// The key block seen as event slots and a mode byte: slot i holds the code in byte 2i and the
// attribute in byte 2i + 1, and byte 40 says how the keyboard repeats the sequence.

#include <cstddef>
#include <cstdint>

#include "common/profile_layout.h"
#include "stormline/macro/macro_event.h"

namespace macro {

// Mode byte values.
constexpr std::uint8_t ModeNone = 0x00;             // left by a deletion in the editor or a clear
constexpr std::uint8_t ModeOneTime = 0xA0;          // played once per key press
constexpr std::uint8_t ModeRepeatWhileHeld = 0xA1;  // repeated while the key is held
constexpr std::uint8_t ModeRepeatUntilNextKey = 0xA2;  // repeated until the next key is pressed
constexpr std::uint8_t ModeFixedSequence = 0xB0;       // editing shortcut or program launch

// Whether a mode byte is one of the three a recorded macro carries.
constexpr bool isMacroMode(std::uint8_t mode) {
    return mode == ModeOneTime || mode == ModeRepeatWhileHeld || mode == ModeRepeatUntilNextKey;
}

constexpr std::size_t SlotCount = common::EventSlotCount;

// Slot i of a block; a slot past the last one reads as empty.
MacroEvent eventAt(const common::KeyBlock& block, std::size_t slot);
// Writes slot i; a slot past the last one is ignored, so the mode byte is never overwritten.
void setEventAt(common::KeyBlock& block, std::size_t slot, MacroEvent event);

std::uint8_t modeOf(const common::KeyBlock& block);
void setMode(common::KeyBlock& block, std::uint8_t mode);

// Clears the end mark of all twenty events and puts it on event n - 1. With n = 0 only the
// clearing is done; so it is with n over twenty, which has no last slot inside the block.
void markEnd(common::KeyBlock& block, std::size_t n);

// The number of slots the sequence occupies: up to and including the first end-marked event.
// A block without an end mark runs to its last slot that is not all zero; an all-zero block
// holds no events.
std::size_t sequenceLength(const common::KeyBlock& block);

}  // namespace macro
