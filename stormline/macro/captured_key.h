#pragma once
// What a key block records for a key captured while recording.

#include <cstdint>
#include <optional>

#include "stormline/macro/scan_usage_table.h"
#include "stormline/macro/supported_usage_filter.h"

namespace macro {

// The code stored for a key message's scan code: nothing when the key has no usage at all (it
// is ignored), 0 for a usage the keyboard does not play (still listed under its name), and
// otherwise the usage.
constexpr std::optional<std::uint8_t> capturedKeyCode(std::uint8_t scan, bool extended) {
    const std::uint8_t usage = usageFromScan(scan, extended);
    if (usage == 0) {
        return std::nullopt;
    }
    return storedCode(usage);
}

}  // namespace macro
