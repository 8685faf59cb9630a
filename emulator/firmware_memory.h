#pragma once
// The keyboard's configuration memory: the four profiles at addresses 0x0004-0x066B, and five
// bytes after them that can be read but not written.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "common/profile_layout.h"
#include "emulator/firmware_reports.h"

namespace emulator {

constexpr std::uint16_t ProfileMemoryFirst = common::ImageAddressOffset;  // 0x0004
constexpr std::uint16_t ProfileMemoryLast =
    ProfileMemoryFirst + common::DeviceImageSize - 1;                    // 0x066B
constexpr std::uint16_t MemoryLast = ProfileMemoryLast + ChunkSize;      // 0x0670
constexpr std::size_t MemorySize = MemoryLast - ProfileMemoryFirst + 1;  // 1645

using Chunk = std::array<std::uint8_t, ChunkSize>;

class FirmwareMemory {
  public:
    // Stores five bytes when all of them lie in the profile memory; otherwise refuses and
    // changes nothing.
    bool write(std::uint16_t address, const Chunk& data);
    // The five bytes from address on, when all of them lie in the memory.
    std::optional<Chunk> read(std::uint16_t address) const;

    // The key block that key (0-9) of on-board profile (0-3) plays; all zero outside.
    common::KeyBlock keyBlock(int profile, int key) const;

    std::span<const std::uint8_t, MemorySize> bytes() const { return bytes_; }
    void assign(std::span<const std::uint8_t, MemorySize> bytes);

  private:
    std::array<std::uint8_t, MemorySize> bytes_{};
};

}  // namespace emulator
