#include <gtest/gtest.h>

#include "stormline/core/feature_reports.h"

namespace {

using core::FeatureReport;

TEST(FeatureReports, CommandsCarryTheirIdAddressLowByteFirstAndData) {
    const std::array<std::uint8_t, 5> data{0x11, 0x22, 0x33, 0x44, 0x55};
    struct Case {
        const char* what;
        FeatureReport built;
        FeatureReport expected;
    };
    const Case cases[] = {
        {"write",
         core::writeFiveBytesReport(0x019E, data),
         {0x03, 0x9E, 0x01, 0x11, 0x22, 0x33, 0x44, 0x55}},
        {"write last",
         core::writeFiveBytesReport(0x0667, data),
         {0x03, 0x67, 0x06, 0x11, 0x22, 0x33, 0x44, 0x55}},
        {"level 0", core::setLevelReport(0), {0x03, 0x00, 0xFF, 0x00, 0, 0, 0, 0}},
        {"level 3", core::setLevelReport(3), {0x03, 0x00, 0xFF, 0x03, 0, 0, 0, 0}},
        {"toggle on", core::setToggleReport(1), {0x03, 0x01, 0xFF, 0x01, 0, 0, 0, 0}},
        {"toggle off", core::setToggleReport(0), {0x03, 0x01, 0xFF, 0x00, 0, 0, 0, 0}},
        {"read", core::readFiveBytesReport(0x002D), {0x04, 0x2D, 0x00, 0, 0, 0, 0, 0}},
        {"read after image", core::readFiveBytesReport(0x066C), {0x04, 0x6C, 0x06, 0, 0, 0, 0, 0}},
        {"status", core::statusQueryReport(), {0x04, 0xFF, 0xFF, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.built, c.expected) << c.what;
}

}  // namespace
