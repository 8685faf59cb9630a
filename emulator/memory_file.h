#pragma once
// The keyboard's memory kept in a file between runs, as the real keyboard keeps its own:
//
//   bytes 0-3   "KBEM"
//   bytes 4-5   format version, 1
//   bytes 6-7   first address held, 0x0004
//   bytes 8-9   number of bytes held, 1645
//   bytes 10-   the memory from that address on
//
// All numbers little-endian. A file of any other size or header is rejected whole.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "emulator/firmware_memory.h"

namespace emulator {

constexpr std::uint16_t MemoryFileVersion = 1;
constexpr std::size_t MemoryFileHeaderSize = 10;
constexpr std::size_t MemoryFileSize = MemoryFileHeaderSize + MemorySize;

std::vector<std::uint8_t> encodeMemoryFile(const FirmwareMemory& memory);
// Fills memory from the file's bytes; false and memory unchanged when they are not a memory file.
bool decodeMemoryFile(std::span<const std::uint8_t> file, FirmwareMemory& memory);

// False when the file cannot be written; an earlier file is then left as it was.
bool saveMemoryFile(const std::filesystem::path& path, const FirmwareMemory& memory);
// False, and memory unchanged, when the file cannot be read or is not a memory file.
bool loadMemoryFile(const std::filesystem::path& path, FirmwareMemory& memory);

}  // namespace emulator
