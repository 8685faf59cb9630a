#pragma once
// The key block seen as event slots and a mode byte: slot i holds the code in byte 2i and the
// attribute in byte 2i + 1, and byte 40 says how the keyboard repeats the sequence.

#include <cstddef>
#include <cstdint>

#include "common/key_block_encoding.h"
#include "common/profile_layout.h"
#include "stormline/macro/macro_event.h"

namespace macro {

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
