#include "rawtap/raw_report_info.h"

#include "common/little_endian.h"

namespace rawtap {

namespace {
constexpr std::size_t VendorIdAt = 0;
constexpr std::size_t ProductIdAt = 4;
constexpr std::size_t VersionNumberAt = 8;
constexpr std::size_t UsagePageAt = 12;
constexpr std::size_t UsageAt = 16;
}  // namespace

RawReportInfoBlock encodeRawReportInfo(const RawReportInfo& info) {
    RawReportInfoBlock block{};  // the three reserved fields stay zero
    common::writeLe32(block, VendorIdAt, info.vendorId);
    common::writeLe32(block, ProductIdAt, info.productId);
    common::writeLe32(block, VersionNumberAt, info.versionNumber);
    common::writeLe32(block, UsagePageAt, info.usagePage);
    common::writeLe32(block, UsageAt, info.usage);
    return block;
}

RawReportInfo decodeRawReportInfo(std::span<const std::uint8_t, RawReportInfoSize> block) {
    return RawReportInfo{
        .vendorId = common::readLe32(block, VendorIdAt),
        .productId = common::readLe32(block, ProductIdAt),
        .versionNumber = common::readLe32(block, VersionNumberAt),
        .usagePage = common::readLe32(block, UsagePageAt),
        .usage = common::readLe32(block, UsageAt),
    };
}

}  // namespace rawtap
