#include "rawtap/raw_input.h"

#include <algorithm>

#include "common/little_endian.h"

namespace rawtap {

namespace {

constexpr std::uint32_t TypeKeyboard = 1;
constexpr std::uint32_t TypeHid = 2;

constexpr std::size_t TypeAt = 0;
constexpr std::size_t DeviceAt = 8;

// Keyboard fields after the header: make code, flags, reserved, virtual key, message, extra.
constexpr std::size_t MakeCodeAt = RawInputHeaderSize;
constexpr std::size_t FlagsAt = RawInputHeaderSize + 2;
constexpr std::size_t KeyboardFieldsEnd = RawInputHeaderSize + 4;

// HID fields after the header: report size, report count, then the reports.
constexpr std::size_t ReportSizeAt = RawInputHeaderSize;
constexpr std::size_t ReportCountAt = RawInputHeaderSize + 4;
constexpr std::size_t ReportsAt = RawInputHeaderSize + 8;

RawInput parseHid(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < ReportsAt)
        return std::monostate{};
    const std::uint32_t reportSize = common::readLe32(bytes, ReportSizeAt);
    const std::uint32_t reportCount = common::readLe32(bytes, ReportCountAt);
    const std::uint64_t claimed = std::uint64_t{reportSize} * reportCount;
    const std::uint64_t present = bytes.size() - ReportsAt;
    return HidInput{
        .device = common::readLe32(bytes, DeviceAt),
        .reportSize = reportSize,
        .data = bytes.subspan(ReportsAt, static_cast<std::size_t>(std::min(claimed, present))),
    };
}

RawInput parseKeyboard(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < KeyboardFieldsEnd)
        return std::monostate{};
    return KeyboardInput{
        .makeCode = common::readLe16(bytes, MakeCodeAt),
        .flags = common::readLe16(bytes, FlagsAt),
    };
}

}  // namespace

RawInput parseRawInput(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < RawInputHeaderSize)
        return std::monostate{};
    switch (common::readLe32(bytes, TypeAt)) {
        case TypeHid:
            return parseHid(bytes);
        case TypeKeyboard:
            return parseKeyboard(bytes);
        default:
            return std::monostate{};
    }
}

}  // namespace rawtap
