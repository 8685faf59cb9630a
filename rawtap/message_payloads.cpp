#include "rawtap/message_payloads.h"

#include <algorithm>

namespace rawtap {

namespace {
constexpr std::uint16_t PrefixE0 = 0x02;
constexpr std::uint16_t PrefixE1 = 0x04;
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
    // Only the prefix bits count: the terminal-server bits above them say nothing about the key.
    const bool prefixed = (input.flags & (PrefixE0 | PrefixE1)) != 0;
    return std::uint32_t{input.makeCode} << 16 | (prefixed ? PrefixMark : 0);
}

}  // namespace rawtap
