#pragma once
// The feature reports the application sends to the keyboard, eight bytes each, addresses low
// byte first. Write, level and toggle go to common::CommandCollection; read and status query go
// to common::AnswerCollection, where the keyboard answers with an input report.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/keyboard_identity.h"

namespace core {

using FeatureReport = std::array<std::uint8_t, common::FeatureReportSize>;

constexpr std::uint8_t WriteReportId = 0x03;
constexpr std::uint8_t ReadReportId = 0x04;
// Bytes moved by one write or read.
constexpr std::size_t TransferChunkSize = 5;

// 03, address, five bytes: stores them in the keyboard's profile memory.
FeatureReport writeFiveBytesReport(std::uint16_t address,
                                   std::span<const std::uint8_t, TransferChunkSize> data);
// 03 00 FF L: key backlight level 0 (off) to 3 (full).
FeatureReport setLevelReport(std::uint8_t level);
// 03 01 FF S: logo light off (0) or on (1).
FeatureReport setToggleReport(std::uint8_t state);
// 04, address: the keyboard answers with the five bytes at that address.
FeatureReport readFiveBytesReport(std::uint16_t address);
// 04 FF FF: the keyboard answers with the two fans' states.
FeatureReport statusQueryReport();

}  // namespace core
