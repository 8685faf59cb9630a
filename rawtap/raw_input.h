#pragma once
// A raw input as the raw-input service hands it over on 32-bit Windows: a 16-byte header (type,
// size, device, wParam), then the keyboard's fields or the HID data block. Read field by field,
// so that an input of any length has a defined outcome.

#include <cstdint>
#include <span>
#include <variant>

#include "rawtap/raw_input_source.h"

namespace rawtap {

constexpr std::uint32_t RawInputHeaderSize = 16;

// The HID data: reports of `reportSize` bytes each, as many as the input's report count says.
// `data` holds their bytes, but no more than the input actually carries, whatever the report
// size and count claim.
struct HidInput {
    DeviceHandle device = 0;
    std::uint32_t reportSize = 0;
    std::span<const std::uint8_t> data;
};

struct KeyboardInput {
    std::uint16_t makeCode = 0;
    std::uint16_t flags = 0;
};

// Mouse input, unknown types and inputs too short for their own fields are `std::monostate`.
using RawInput = std::variant<std::monostate, HidInput, KeyboardInput>;

RawInput parseRawInput(std::span<const std::uint8_t> bytes);

}  // namespace rawtap
