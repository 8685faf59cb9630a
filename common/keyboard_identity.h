#pragma once
// Who the keyboard is on the USB bus and which of its HID collections the programs talk to.

#include <cstddef>
#include <cstdint>

namespace common {

constexpr std::uint16_t KeyboardVendorId = 0x3C5A;
constexpr std::uint16_t KeyboardProductId = 0x2B17;

struct HidCollection {
    std::uint16_t usagePage;
    std::uint16_t usage;
    friend constexpr bool operator==(HidCollection, HidCollection) = default;
};

// Presence, and the write, level and toggle commands.
constexpr HidCollection CommandCollection{0xFF00, 0xFF00};
// Read requests and the status query; the keyboard's answers arrive here as input reports.
constexpr HidCollection AnswerCollection{0xFF00, 0x0002};
// Launch-key and fan-change input reports.
constexpr HidCollection ConsumerCollection{0x000C, 0x0003};

// Feature reports are always eight bytes, report ID first.
constexpr std::size_t FeatureReportSize = 8;

}  // namespace common
