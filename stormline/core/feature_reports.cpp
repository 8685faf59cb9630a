#include "stormline/core/feature_reports.h"

#include <algorithm>

#include "common/little_endian.h"
#include "common/profile_layout.h"

namespace core {
namespace {

constexpr std::size_t AddressOffset = 1;
constexpr std::size_t DataOffset = 3;

FeatureReport addressedReport(std::uint8_t reportId, std::uint16_t address) {
    FeatureReport report{};
    report[0] = reportId;
    common::writeLe16(report, AddressOffset, address);
    return report;
}

}  // namespace

FeatureReport writeFiveBytesReport(std::uint16_t address,
                                   std::span<const std::uint8_t, TransferChunkSize> data) {
    FeatureReport report = addressedReport(WriteReportId, address);
    std::copy(data.begin(), data.end(), report.begin() + DataOffset);
    return report;
}

FeatureReport setLevelReport(std::uint8_t level) {
    FeatureReport report = addressedReport(WriteReportId, common::LevelAddress);
    report[DataOffset] = level;
    return report;
}

FeatureReport setToggleReport(std::uint8_t state) {
    FeatureReport report = addressedReport(WriteReportId, common::ToggleAddress);
    report[DataOffset] = state;
    return report;
}

FeatureReport readFiveBytesReport(std::uint16_t address) {
    return addressedReport(ReadReportId, address);
}

FeatureReport statusQueryReport() {
    return addressedReport(ReadReportId, common::StatusAddress);
}

}  // namespace core
