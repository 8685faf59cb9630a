#include "common/little_endian.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(LittleEndian, RoundTripsLowByteFirst) {
    std::array<std::uint8_t, 6> bytes{};
    common::writeLe16(bytes, 0, 0x019E);
    common::writeLe32(bytes, 2, 0x3C5A2B17);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 6>{0x9E, 0x01, 0x17, 0x2B, 0x5A, 0x3C}));
    EXPECT_EQ(common::readLe16(bytes, 0), 0x019E);
    EXPECT_EQ(common::readLe32(bytes, 2), 0x3C5A2B17u);
}

}  // namespace
