#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "stormline/macro/delay.h"

namespace {

TEST(DelayUnitsFromMs, RoundsDownToTenthsAndStopsAtTheLongestPause) {
    struct Case {
        std::uint32_t ms;
        std::uint8_t units;
    };
    const Case cases[] = {
        {0, 0},     {99, 0},    {100, 1},    {2549, 25},       {6299, 62},
        {6300, 63}, {6301, 63}, {60000, 63}, {0xFFFFFFFF, 63},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(macro::delayUnitsFromMs(c.ms), c.units) << c.ms << " ms";
    }
}

TEST(DelayText, SecondsWithOneDecimal) {
    struct Case {
        unsigned units;
        std::u16string text;
    };
    const Case cases[] = {
        {0, u"0.0"}, {1, u"0.1"}, {10, u"1.0"}, {25, u"2.5"}, {63, u"6.3"}, {255, u"25.5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(macro::delayText(c.units), c.text) << c.units;
    }
}

}  // namespace
