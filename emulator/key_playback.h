#pragma once
// What the keyboard does when a programmable key is pressed: it plays the key's block from its
// memory, or, for a launch key, reports the key's own code instead of typing anything.

#include <cstdint>
#include <optional>
#include <vector>

#include "common/profile_layout.h"

namespace emulator {

enum class KeyAction { Make, Break };

struct KeyEvent {
    std::uint8_t usage;  // HID keyboard usage
    KeyAction action;
    std::uint8_t delayUnits;  // pause after the event, in 0.1 s
    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

struct KeyPlayback {
    std::uint8_t mode = 0;  // the block's mode byte: how often the events repeat
    std::vector<KeyEvent> events;
    std::optional<std::uint8_t> launchCode;  // set for a launch key, which plays no events
};

// One pass over the block's event slots: slot order, empty slots skipped, up to and including
// the end-marked slot or all twenty. A block whose mode byte is none of the macro or fixed
// sequence modes (a cleared key) plays nothing.
KeyPlayback playKeyBlock(const common::KeyBlock& block);

}  // namespace emulator
