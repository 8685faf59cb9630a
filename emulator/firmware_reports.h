#pragma once
// The keyboard's side of the wire: the feature report commands it takes and the input reports
// it sends, field by field. Every report is eight bytes with its report ID in byte 0.

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/keyboard_identity.h"

namespace emulator {

constexpr std::size_t ReportSize = 8;
using ReportBytes = std::array<std::uint8_t, ReportSize>;

// Feature report commands.
constexpr std::uint8_t WriteCommandId = 0x03;    // to common::CommandCollection
constexpr std::uint8_t ReadCommandId = 0x04;     // to common::AnswerCollection
constexpr std::size_t CommandAddressOffset = 1;  // 16 bits, low byte first
constexpr std::size_t CommandDataOffset = 3;
constexpr std::size_t ChunkSize = 5;  // bytes moved by one write or read

// Input reports.
// Read and status answers: 04, the requested address, then five bytes (a status answer
// carries the left and the right fan in its first two).
constexpr std::uint8_t AnswerReportId = 0x04;
constexpr std::size_t AnswerAddressOffset = 1;
constexpr std::size_t AnswerDataOffset = 3;
constexpr std::size_t StatusLeftFanOffset = 3;
constexpr std::size_t StatusRightFanOffset = 4;
// Launch-key and fan-change reports, both sent on common::ConsumerCollection.
constexpr std::uint8_t KeyboardEventReportId = 0x02;
constexpr std::size_t FanChangeMarkerOffset = 2;
constexpr std::uint8_t FanChangeMarker = 0x04;
constexpr std::size_t LaunchKeyCodeOffset = 3;

struct InputReport {
    common::HidCollection collection;
    ReportBytes bytes;
    friend bool operator==(const InputReport&, const InputReport&) = default;
};

InputReport readAnswer(std::uint16_t address, const std::array<std::uint8_t, ChunkSize>& data);
InputReport statusAnswer(bool leftFanOn, bool rightFanOn);
InputReport launchKeyReport(std::uint8_t keyCode);
InputReport fanChangeReport();

}  // namespace emulator
