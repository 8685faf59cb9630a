#include "rawtap/message_payloads.h"

#include <algorithm>

namespace rawtap {

namespace {
// Flags values with an E0 or E1 prefix and no terminal-server bit: E0 (2) up to E0, E1 and the
// release bit together (7).
constexpr std::uint16_t LowestPrefixedFlags = 0x02;
constexpr std::uint16_t HighestPrefixedFlags = 0x07;
constexpr std::uint32_t PrefixMark = 0x1000;
}  // namespace

ReportBlock firstReportBlock(const HidInput& input) {
    ReportBlock block{};
    const std::size_t taken =
        std::min({std::size_t{input.reportSize}, ReportBlockSize, input.data.size()});
    std::copy_n(input.data.begin(), taken, block.begin());
    return block;
}

std::uint32_t rawKeyLParam(const KeyboardInput& input) {
    // The whole flags value decides, as receivers of this message expect: a terminal-server bit
    // (8 and above) leaves the mark clear even beside E0 or E1.
    const bool prefixed = input.flags >= LowestPrefixedFlags && input.flags <= HighestPrefixedFlags;
    return std::uint32_t{input.makeCode} << 16 | (prefixed ? PrefixMark : 0);
}

}  // namespace rawtap
