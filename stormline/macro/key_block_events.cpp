#include "stormline/macro/key_block_events.h"

namespace macro {

namespace {

constexpr std::size_t codeByte(std::size_t slot) {
    return 2 * slot;
}
constexpr std::size_t attrByte(std::size_t slot) {
    return 2 * slot + 1;
}

}  // namespace

MacroEvent eventAt(const common::KeyBlock& block, std::size_t slot) {
    if (slot >= SlotCount) {
        return {};
    }
    return {block[codeByte(slot)], block[attrByte(slot)]};
}

void setEventAt(common::KeyBlock& block, std::size_t slot, MacroEvent event) {
    if (slot >= SlotCount) {
        return;
    }
    block[codeByte(slot)] = event.code;
    block[attrByte(slot)] = event.attr;
}

std::uint8_t modeOf(const common::KeyBlock& block) {
    return block[common::ModeByteOffset];
}

void setMode(common::KeyBlock& block, std::uint8_t mode) {
    block[common::ModeByteOffset] = mode;
}

void markEnd(common::KeyBlock& block, std::size_t n) {
    for (std::size_t slot = 0; slot < SlotCount; ++slot) {
        block[attrByte(slot)] &= static_cast<std::uint8_t>(~EndMarkBit);
    }
    if (n == 0 || n > SlotCount) {
        return;
    }
    block[attrByte(n - 1)] |= EndMarkBit;
}

std::size_t sequenceLength(const common::KeyBlock& block) {
    std::size_t length = 0;
    for (std::size_t slot = 0; slot < SlotCount; ++slot) {
        const MacroEvent event = eventAt(block, slot);
        if (event.endMark()) {
            return slot + 1;
        }
        if (event != MacroEvent{}) {
            length = slot + 1;
        }
    }
    return length;
}

}  // namespace macro
