#pragma once
// The two blocks that go with every raw report Rawtap passes on: the device information, eight
// little-endian 32-bit fields with the last three always zero, and the first report bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rawtap {

constexpr std::size_t RawReportInfoSize = 32;
using RawReportInfoBlock = std::array<std::uint8_t, RawReportInfoSize>;

constexpr std::size_t ReportBlockSize = 8;
using ReportBlock = std::array<std::uint8_t, ReportBlockSize>;

// What the system tells about the HID device an input came from. The usage page and usage are
// 16-bit values on the device side and are stored zero-extended in the block.
struct RawReportInfo {
    std::uint32_t vendorId = 0;
    std::uint32_t productId = 0;
    std::uint32_t versionNumber = 0;
    std::uint32_t usagePage = 0;
    std::uint32_t usage = 0;
    friend constexpr bool operator==(const RawReportInfo&, const RawReportInfo&) = default;
};

RawReportInfoBlock encodeRawReportInfo(const RawReportInfo& info);

// For receivers: reads the block the message's wParam points to.
RawReportInfo decodeRawReportInfo(std::span<const std::uint8_t, RawReportInfoSize> block);

}  // namespace rawtap
