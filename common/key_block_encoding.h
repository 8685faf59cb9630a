#pragma once
// What the configuration model, the key block encoding and the keyboard model share about a
// key block's bytes: the attribute bits of an event slot, and the last byte, which says how the
// keyboard plays the slots in front of it.

#include <cstdint>

namespace common {

// The attribute byte of an event slot.
constexpr std::uint8_t ReleaseBit = 0x80;  // 1 = break, 0 = make
constexpr std::uint8_t EndMarkBit = 0x40;  // on the last event of the sequence only
constexpr std::uint8_t DelayMask = 0x3F;   // pause after the event, in 0.1 s units

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
