#pragma once
// The key block's last byte: how the keyboard plays the event slots in front of it.

#include <cstdint>

namespace common {

struct ModeByte {
    static constexpr std::uint8_t Cleared = 0x00;  // left by a deletion in the editor or a clear
    static constexpr std::uint8_t OneTime = 0xA0;  // macro played once per key press
    static constexpr std::uint8_t RepeatWhileHeld = 0xA1;     // repeated while the key is held
    static constexpr std::uint8_t RepeatUntilNextKey = 0xA2;  // repeated until the next key
    static constexpr std::uint8_t FixedSequence = 0xB0;       // editing shortcut or launch
};

// Whether a mode byte is one of the three a recorded macro carries.
constexpr bool isMacroMode(std::uint8_t mode) {
    return mode == ModeByte::OneTime || mode == ModeByte::RepeatWhileHeld ||
           mode == ModeByte::RepeatUntilNextKey;
}

}  // namespace common
