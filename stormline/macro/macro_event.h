#pragma once
// One key event of a key block: a key going down (a make) or coming up (a break), with the pause
// the keyboard waits after it before playing the next event.

#include <cstdint>

#include "common/key_block_encoding.h"

namespace macro {

using common::DelayMask;
using common::EndMarkBit;
using common::ReleaseBit;
constexpr std::uint8_t MaxDelayUnits = 63;

struct MacroEvent {
    std::uint8_t code = 0;  // USB HID keyboard usage; 0 marks an empty slot
    std::uint8_t attr = 0;

    constexpr bool empty() const { return code == 0; }
    constexpr bool release() const { return (attr & ReleaseBit) != 0; }
    constexpr bool endMark() const { return (attr & EndMarkBit) != 0; }
    constexpr std::uint8_t delay() const { return attr & DelayMask; }

    constexpr void setRelease(bool on) { setBit(ReleaseBit, on); }
    constexpr void setEndMark(bool on) { setBit(EndMarkBit, on); }
    // A pause longer than the field holds becomes the longest one, rather than wrapping round
    // to a short one.
    constexpr void setDelay(unsigned units) {
        const unsigned bounded = units > MaxDelayUnits ? MaxDelayUnits : units;
        attr = static_cast<std::uint8_t>((attr & ~DelayMask) | bounded);
    }

    constexpr bool operator==(const MacroEvent&) const = default;

  private:
    constexpr void setBit(std::uint8_t bit, bool on) {
        attr = static_cast<std::uint8_t>(on ? (attr | bit) : (attr & ~bit));
    }
};

constexpr MacroEvent makeEvent(std::uint8_t code, unsigned delayUnits = 0) {
    MacroEvent event{code, 0};
    event.setDelay(delayUnits);
    return event;
}

constexpr MacroEvent breakEvent(std::uint8_t code, unsigned delayUnits = 0) {
    MacroEvent event = makeEvent(code, delayUnits);
    event.setRelease(true);
    return event;
}

}  // namespace macro
