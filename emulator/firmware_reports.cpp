#include "emulator/firmware_reports.h"

#include <algorithm>

#include "common/little_endian.h"
#include "common/profile_layout.h"

namespace emulator {

InputReport readAnswer(std::uint16_t address, const std::array<std::uint8_t, ChunkSize>& data) {
    InputReport report{common::AnswerCollection, {}};
    report.bytes[0] = AnswerReportId;
    common::writeLe16(report.bytes, AnswerAddressOffset, address);
    std::copy(data.begin(), data.end(), report.bytes.begin() + AnswerDataOffset);
    return report;
}

InputReport statusAnswer(bool leftFanOn, bool rightFanOn) {
    InputReport report{common::AnswerCollection, {}};
    report.bytes[0] = AnswerReportId;
    common::writeLe16(report.bytes, AnswerAddressOffset, common::StatusAddress);
    report.bytes[StatusLeftFanOffset] = leftFanOn ? 1 : 0;
    report.bytes[StatusRightFanOffset] = rightFanOn ? 1 : 0;
    return report;
}

InputReport launchKeyReport(std::uint8_t keyCode) {
    InputReport report{common::ConsumerCollection, {}};
    report.bytes[0] = KeyboardEventReportId;
    report.bytes[LaunchKeyCodeOffset] = keyCode;
    return report;
}

InputReport fanChangeReport() {
    InputReport report{common::ConsumerCollection, {}};
    report.bytes[0] = KeyboardEventReportId;
    report.bytes[FanChangeMarkerOffset] = FanChangeMarker;
    return report;
}

}  // namespace emulator
