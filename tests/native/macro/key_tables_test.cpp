#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "stormline/macro/captured_key.h"
#include "stormline/macro/scan_usage_table.h"
#include "stormline/macro/supported_usage_filter.h"
#include "stormline/macro/usage_scan_table.h"

namespace macro {

// Readable failure messages for table entries.
void PrintTo(const ScanCode& code, std::ostream* out) {
    *out << (code.extended ? "extended 0x" : "plain 0x") << std::hex << unsigned{code.scan};
}

}  // namespace macro

namespace {

using macro::ScanCode;
using ScanUsagePairs = std::vector<std::pair<unsigned, unsigned>>;

// Scan code -> usage, for key messages without the extended flag.
const ScanUsagePairs PlainPairs = {
    {0x01, 0x29}, {0x02, 0x1E}, {0x03, 0x1F}, {0x04, 0x20}, {0x05, 0x21}, {0x06, 0x22},
    {0x07, 0x23}, {0x08, 0x24}, {0x09, 0x25}, {0x0A, 0x26}, {0x0B, 0x27}, {0x0C, 0x2D},
    {0x0D, 0x2E}, {0x0E, 0x2A}, {0x0F, 0x2B}, {0x10, 0x14}, {0x11, 0x1A}, {0x12, 0x08},
    {0x13, 0x15}, {0x14, 0x17}, {0x15, 0x1C}, {0x16, 0x18}, {0x17, 0x0C}, {0x18, 0x12},
    {0x19, 0x13}, {0x1A, 0x2F}, {0x1B, 0x30}, {0x1C, 0x28}, {0x1D, 0xE0}, {0x1E, 0x04},
    {0x1F, 0x16}, {0x20, 0x07}, {0x21, 0x09}, {0x22, 0x0A}, {0x23, 0x0B}, {0x24, 0x0D},
    {0x25, 0x0E}, {0x26, 0x0F}, {0x27, 0x33}, {0x28, 0x34}, {0x29, 0x35}, {0x2A, 0xE1},
    {0x2B, 0x31}, {0x2C, 0x1D}, {0x2D, 0x1B}, {0x2E, 0x06}, {0x2F, 0x19}, {0x30, 0x05},
    {0x31, 0x11}, {0x32, 0x10}, {0x33, 0x36}, {0x34, 0x37}, {0x35, 0x38}, {0x36, 0xE5},
    {0x37, 0x55}, {0x38, 0xE2}, {0x39, 0x2C}, {0x3A, 0x39}, {0x3B, 0x3A}, {0x3C, 0x3B},
    {0x3D, 0x3C}, {0x3E, 0x3D}, {0x3F, 0x3E}, {0x40, 0x3F}, {0x41, 0x40}, {0x42, 0x41},
    {0x43, 0x42}, {0x44, 0x43}, {0x45, 0x48}, {0x46, 0x47}, {0x47, 0x5F}, {0x48, 0x60},
    {0x49, 0x61}, {0x4A, 0x56}, {0x4B, 0x5C}, {0x4C, 0x5D}, {0x4D, 0x5E}, {0x4E, 0x57},
    {0x4F, 0x59}, {0x50, 0x5A}, {0x51, 0x5B}, {0x52, 0x62}, {0x53, 0x63}, {0x54, 0x46},
    {0x56, 0x64}, {0x57, 0x44}, {0x58, 0x45}, {0x59, 0x67}, {0x5C, 0x8C}, {0x5D, 0x68},
    {0x5E, 0x69}, {0x5F, 0x6A}, {0x70, 0x88}, {0x73, 0x87}, {0x76, 0x94}, {0x77, 0x93},
    {0x78, 0x92}, {0x79, 0x8A}, {0x7B, 0x8B}, {0x7D, 0x89}, {0x7E, 0x85}, {0xF1, 0x91},
    {0xF2, 0x90}, {0xFC, 0x02}, {0xFF, 0x01},
};

// Scan code -> usage, for key messages with the extended flag.
const ScanUsagePairs ExtendedPairs = {
    {0x1C, 0x58}, {0x1D, 0xE4}, {0x35, 0x54}, {0x36, 0xE5}, {0x37, 0x46}, {0x38, 0xE6},
    {0x45, 0x53}, {0x46, 0x48}, {0x47, 0x4A}, {0x48, 0x52}, {0x49, 0x4B}, {0x4B, 0x50},
    {0x4D, 0x4F}, {0x4F, 0x4D}, {0x50, 0x51}, {0x51, 0x4E}, {0x52, 0x49}, {0x53, 0x4C},
    {0x5B, 0xE3}, {0x5C, 0xE7}, {0x5D, 0x65}, {0xF1, 0x91}, {0xF2, 0x90},
};

// The supported usages in the order of their filter indexes 1 to 114.
const std::vector<unsigned> SupportedInIndexOrder = {
    0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12,
    0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0x1C, 0x1D, 0x1E, 0x1F, 0x20, 0x21,
    0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F, 0x30,
    0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F,
    0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E,
    0x4F, 0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x5B, 0x5C, 0x5D,
    0x5E, 0x5F, 0x60, 0x61, 0x62, 0x63, 0x64, 0x65, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6,
    0xE7, 0x85, 0x87, 0x88, 0x89, 0x8A, 0x8B, 0x91, 0x90,
};

std::map<unsigned, unsigned> asMap(const ScanUsagePairs& pairs) {
    return {pairs.begin(), pairs.end()};
}

void expectHalf(const macro::ScanHalf& half, bool extended, const ScanUsagePairs& pairs) {
    const std::map<unsigned, unsigned> expected = asMap(pairs);
    for (unsigned scan = 0; scan < 256; ++scan) {
        const auto found = expected.find(scan);
        const unsigned usage = found == expected.end() ? 0 : found->second;
        EXPECT_EQ(half[scan], usage) << "scan " << std::hex << scan;
        EXPECT_EQ(macro::usageFromScan(static_cast<std::uint8_t>(scan), extended), usage)
            << "scan " << std::hex << scan;
    }
}

TEST(ScanUsageTable, PlainHalfHoldsEveryEntryAndZeroElsewhere) {
    expectHalf(macro::ScanUsages.plain, false, PlainPairs);
}

TEST(ScanUsageTable, ExtendedHalfHoldsEveryEntryAndZeroElsewhere) {
    expectHalf(macro::ScanUsages.extended, true, ExtendedPairs);
}

TEST(SupportedUsageFilter, IndexToUsageFollowsTheIndexOrder) {
    ASSERT_EQ(SupportedInIndexOrder.size(), macro::SupportedUsageCount);
    EXPECT_EQ(macro::SupportedUsages.indexToUsage[0], 0);
    EXPECT_EQ(macro::supportedUsageAt(0), 0);
    for (std::size_t index = 1; index <= macro::SupportedUsageCount; ++index) {
        EXPECT_EQ(macro::SupportedUsages.indexToUsage[index], SupportedInIndexOrder[index - 1])
            << "index " << index;
        EXPECT_EQ(macro::supportedUsageAt(index), SupportedInIndexOrder[index - 1]);
    }
    EXPECT_EQ(macro::supportedUsageAt(macro::SupportedUsageCount + 1), 0);
    EXPECT_EQ(macro::supportedUsageAt(1000), 0);
}

TEST(SupportedUsageFilter, UsageToIndexAndStoredCodeCoverAllUsages) {
    std::array<unsigned, 256> expectedIndex{};
    for (std::size_t i = 0; i < SupportedInIndexOrder.size(); ++i) {
        expectedIndex[SupportedInIndexOrder[i]] = static_cast<unsigned>(i + 1);
    }
    for (unsigned usage = 0; usage < 256; ++usage) {
        const auto code = static_cast<std::uint8_t>(usage);
        EXPECT_EQ(macro::SupportedUsages.usageToIndex[usage], expectedIndex[usage])
            << "usage " << std::hex << usage;
        EXPECT_EQ(macro::supportedUsageIndex(code), expectedIndex[usage]);
        EXPECT_EQ(macro::storedCode(code), expectedIndex[usage] != 0 ? usage : 0)
            << "usage " << std::hex << usage;
    }
}

// The usage -> scan code entry the naming uses: the three keys named otherwise first, then the
// plain scan code, then the extended one; none for usages no scan code produces.
std::optional<ScanCode> expectedNamingScan(unsigned usage) {
    const std::map<unsigned, ScanCode> exceptions = {
        {0x46, {0x37, true}}, {0x48, {0x46, true}}, {0x32, {0x2B, false}}};
    if (const auto found = exceptions.find(usage); found != exceptions.end()) {
        return found->second;
    }
    for (const auto& [scan, produced] : PlainPairs) {
        if (produced == usage) {
            return ScanCode{static_cast<std::uint8_t>(scan), false};
        }
    }
    for (const auto& [scan, produced] : ExtendedPairs) {
        if (produced == usage) {
            return ScanCode{static_cast<std::uint8_t>(scan), true};
        }
    }
    return std::nullopt;
}

TEST(UsageScanTable, IsTheInverseOfBothHalvesWithItsExceptions) {
    for (unsigned usage = 0; usage < 256; ++usage) {
        EXPECT_EQ(macro::scanFromUsage(static_cast<std::uint8_t>(usage)), expectedNamingScan(usage))
            << "usage " << std::hex << usage;
    }
}

TEST(UsageScanTable, NotableEntries) {
    struct Case {
        unsigned usage;
        std::optional<ScanCode> scan;
        const char* why;
    };
    const Case cases[] = {
        {0x00, std::nullopt, "an empty slot has no name"},
        {0x46, ScanCode{0x37, true}, "Print Screen, from both halves, named as extended 0x37"},
        {0x48, ScanCode{0x46, true}, "Pause, from both halves, named as extended 0x46"},
        {0x32, ScanCode{0x2B, false}, "produced by no scan code, shown under 0x2B"},
        {0x31, ScanCode{0x2B, false}, "backslash keeps its own scan code"},
        {0x53, ScanCode{0x45, true}, "Num Lock"},
        {0xE5, ScanCode{0x36, false}, "right Shift, from both halves, plain wins"},
        {0x90, ScanCode{0xF2, false}, "from both halves, plain wins"},
        {0x91, ScanCode{0xF1, false}, "from both halves, plain wins"},
        {0x01, ScanCode{0xFF, false}, "produced though not supported"},
        {0x66, std::nullopt, "no scan code produces it"},
        {0xFF, std::nullopt, "no scan code produces it"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(macro::scanFromUsage(static_cast<std::uint8_t>(c.usage)), c.scan) << c.why;
    }
}

TEST(UsageScanTable, KeyMessageWordPutsTheScanCodeInBits16To23AndExtendedInBit24) {
    EXPECT_EQ(macro::keyMessageWord({0x1E, false}), 0x001E0000u);
    EXPECT_EQ(macro::keyMessageWord({0x2B, false}), 0x002B0000u);
    EXPECT_EQ(macro::keyMessageWord({0x37, true}), 0x01370000u);
    EXPECT_EQ(macro::keyMessageWord({0xFF, true}), 0x01FF0000u);
}

TEST(CapturedKey, StoredCodesOfNotableKeys) {
    struct Case {
        unsigned scan;
        bool extended;
        std::optional<unsigned> code;
        const char* why;
    };
    const Case cases[] = {
        {0x1E, false, 0x04, "A"},
        {0x37, true, 0x46, "Print Screen"},
        {0x54, false, 0x46, "Print Screen with Alt held"},
        {0x45, false, 0x48, "Pause"},
        {0x45, true, 0x53, "Num Lock"},
        {0x1D, true, 0xE4, "right Ctrl"},
        {0x1D, false, 0xE0, "left Ctrl"},
        {0x5D, false, 0x00, "F13 has a usage the keyboard does not play: stored as 0"},
        {0x76, false, 0x00, "a usage outside the supported set is stored as 0"},
        {0x55, false, std::nullopt, "no usage: ignored"},
        {0x1E, true, std::nullopt, "no usage in the extended half: ignored"},
        {0x00, false, std::nullopt, "scan 0: ignored"},
    };
    for (const Case& c : cases) {
        const std::optional<std::uint8_t> code =
            macro::capturedKeyCode(static_cast<std::uint8_t>(c.scan), c.extended);
        EXPECT_EQ(code.has_value(), c.code.has_value()) << c.why;
        if (code && c.code) {
            EXPECT_EQ(*code, *c.code) << c.why;
        }
    }
}

}  // namespace
