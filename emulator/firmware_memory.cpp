#include "emulator/firmware_memory.h"

#include <algorithm>

namespace emulator {
namespace {

// Whether count bytes from address on lie within first-last; computed wide so that addresses
// near 0xFFFF cannot wrap around.
bool coversRange(std::uint16_t address, std::size_t count, std::uint16_t first,
                 std::uint16_t last) {
    const std::size_t start = address;
    return start >= first && start + count - 1 <= last;
}

}  // namespace

bool FirmwareMemory::write(std::uint16_t address, const Chunk& data) {
    if (!coversRange(address, data.size(), ProfileMemoryFirst, ProfileMemoryLast))
        return false;
    std::copy(data.begin(), data.end(), bytes_.begin() + (address - ProfileMemoryFirst));
    return true;
}

std::optional<Chunk> FirmwareMemory::read(std::uint16_t address) const {
    Chunk data;
    if (!coversRange(address, data.size(), ProfileMemoryFirst, MemoryLast))
        return std::nullopt;
    std::copy_n(bytes_.begin() + (address - ProfileMemoryFirst), data.size(), data.begin());
    return data;
}

common::KeyBlock FirmwareMemory::keyBlock(int profile, int key) const {
    common::KeyBlock block{};
    if (!common::isValidKey(profile, key))
        return block;
    std::copy_n(bytes_.begin() + common::keyImageOffset(profile, key), block.size(), block.begin());
    return block;
}

void FirmwareMemory::assign(std::span<const std::uint8_t, MemorySize> bytes) {
    std::copy(bytes.begin(), bytes.end(), bytes_.begin());
}

}  // namespace emulator
