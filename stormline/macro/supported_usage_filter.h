#pragma once
// The usages a key block may carry. The keyboard plays only these, so the editor stores every
// other usage as 0. The filter is kept as two tables, usage to index and index to usage; the
// indexes are counted in a fixed order, index 0 standing for usage 0.

#include <array>
#include <cstddef>
#include <cstdint>

namespace macro {

constexpr std::size_t SupportedUsageCount = 114;

struct SupportedUsageFilter {
    std::array<std::uint8_t, 256> usageToIndex;                      // 0 = not supported
    std::array<std::uint8_t, SupportedUsageCount + 1> indexToUsage;  // [0] = usage 0
};

namespace supported_usage_detail {

struct UsageRange {
    std::uint8_t first;
    std::uint8_t last;
};

// In index order: letters to keypad and Application, the eight modifiers, then the
// international and language keys.
inline constexpr UsageRange SupportedRanges[] = {
    {0x04, 0x65}, {0xE0, 0xE7}, {0x85, 0x85}, {0x87, 0x8B}, {0x91, 0x91}, {0x90, 0x90},
};

constexpr SupportedUsageFilter buildFilter() {
    SupportedUsageFilter filter{};
    std::size_t index = 0;
    for (const UsageRange& range : SupportedRanges) {
        for (unsigned usage = range.first; usage <= range.last; ++usage) {
            ++index;
            filter.indexToUsage[index] = static_cast<std::uint8_t>(usage);
            filter.usageToIndex[usage] = static_cast<std::uint8_t>(index);
        }
    }
    return filter;
}

constexpr bool directionsAgree(const SupportedUsageFilter& filter) {
    for (std::size_t index = 1; index <= SupportedUsageCount; ++index) {
        if (filter.indexToUsage[index] == 0 ||
            filter.usageToIndex[filter.indexToUsage[index]] != index) {
            return false;
        }
    }
    std::size_t supported = 0;
    for (std::size_t usage = 0; usage < filter.usageToIndex.size(); ++usage) {
        supported += filter.usageToIndex[usage] != 0 ? 1 : 0;
    }
    return supported == SupportedUsageCount && filter.usageToIndex[0] == 0;
}

}  // namespace supported_usage_detail

inline constexpr SupportedUsageFilter SupportedUsages = supported_usage_detail::buildFilter();
static_assert(supported_usage_detail::directionsAgree(SupportedUsages));

// The filter's index of a usage, 1 to 114; 0 when the usage is not supported.
constexpr std::uint8_t supportedUsageIndex(std::uint8_t usage) {
    return SupportedUsages.usageToIndex[usage];
}

// The usage with that index; 0 for index 0 and for indexes past the last.
constexpr std::uint8_t supportedUsageAt(std::size_t index) {
    return index < SupportedUsages.indexToUsage.size() ? SupportedUsages.indexToUsage[index] : 0;
}

// What the key block stores for a usage: the usage itself when supported, otherwise 0.
constexpr std::uint8_t storedCode(std::uint8_t usage) {
    return SupportedUsages.indexToUsage[SupportedUsages.usageToIndex[usage]];
}

}  // namespace macro
