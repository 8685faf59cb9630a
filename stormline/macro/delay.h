#pragma once
// The pause after a key event, kept in units of 0.1 s, 0 to 6.3 s.

#include <cstdint>
#include <string>

#include "stormline/macro/macro_event.h"

namespace macro {

constexpr std::uint32_t MsPerDelayUnit = 100;
constexpr std::uint32_t MaxDelayMs = MaxDelayUnits * MsPerDelayUnit;

// The units for the time measured between two recorded events, rounded down; anything from
// 6.3 s on is the longest pause.
constexpr std::uint8_t delayUnitsFromMs(std::uint32_t ms) {
    const std::uint32_t bounded = ms < MaxDelayMs ? ms : MaxDelayMs;
    return static_cast<std::uint8_t>(bounded / MsPerDelayUnit);
}

// The pause in seconds with one decimal: 0 -> "0.0", 25 -> "2.5", 63 -> "6.3".
std::u16string delayText(unsigned units);

}  // namespace macro
