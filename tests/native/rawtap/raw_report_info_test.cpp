#include "rawtap/raw_report_info.h"

#include <gtest/gtest.h>

namespace {

using rawtap::RawReportInfo;

TEST(RawReportInfo, FieldsAreLittleEndianWithReservedZero) {
    const RawReportInfo info{.vendorId = 0x3C5A,
                             .productId = 0x2B17,
                             .versionNumber = 0x01020304,
                             .usagePage = 0xFF00,
                             .usage = 0x0002};
    const rawtap::RawReportInfoBlock expected{
        0x5A, 0x3C, 0, 0, 0x17, 0x2B, 0, 0, 0x04, 0x03, 0x02, 0x01, 0x00, 0xFF, 0, 0,
        0x02, 0,    0, 0, 0,    0,    0, 0, 0,    0,    0,    0,    0,    0,    0, 0};
    EXPECT_EQ(rawtap::encodeRawReportInfo(info), expected);
}

TEST(RawReportInfo, ReceiverReadsBackWhatWasEncoded) {
    const RawReportInfo info{.vendorId = 0xFFFFFFFF,
                             .productId = 0x80000001,
                             .versionNumber = 7,
                             .usagePage = 0x000C,
                             .usage = 0x0003};
    const rawtap::RawReportInfoBlock block = rawtap::encodeRawReportInfo(info);
    EXPECT_EQ(rawtap::decodeRawReportInfo(block), info);
}

}  // namespace
