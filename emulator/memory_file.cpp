#include "emulator/memory_file.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "common/little_endian.h"

namespace emulator {
namespace {

constexpr std::array<std::uint8_t, 4> Magic{'K', 'B', 'E', 'M'};
constexpr std::size_t VersionOffset = 4;
constexpr std::size_t FirstAddressOffset = 6;
constexpr std::size_t ByteCountOffset = 8;

}  // namespace

std::vector<std::uint8_t> encodeMemoryFile(const FirmwareMemory& memory) {
    std::vector<std::uint8_t> file(MemoryFileSize);
    std::copy(Magic.begin(), Magic.end(), file.begin());
    common::writeLe16(file, VersionOffset, MemoryFileVersion);
    common::writeLe16(file, FirstAddressOffset, ProfileMemoryFirst);
    common::writeLe16(file, ByteCountOffset, static_cast<std::uint16_t>(MemorySize));
    std::copy(memory.bytes().begin(), memory.bytes().end(), file.begin() + MemoryFileHeaderSize);
    return file;
}

bool decodeMemoryFile(std::span<const std::uint8_t> file, FirmwareMemory& memory) {
    if (file.size() != MemoryFileSize)
        return false;
    if (!std::equal(Magic.begin(), Magic.end(), file.begin()))
        return false;
    if (common::readLe16(file, VersionOffset) != MemoryFileVersion ||
        common::readLe16(file, FirstAddressOffset) != ProfileMemoryFirst ||
        common::readLe16(file, ByteCountOffset) != MemorySize) {
        return false;
    }
    memory.assign(file.subspan(MemoryFileHeaderSize).first<MemorySize>());
    return true;
}

bool saveMemoryFile(const std::filesystem::path& path, const FirmwareMemory& memory) {
    // Written beside the file and then put in its place, so that a save cut short (the program
    // ended, the disk full) leaves the earlier memory whole instead of a file that loads as none.
    std::filesystem::path written = path;
    written += ".new";
    const std::vector<std::uint8_t> file = encodeMemoryFile(memory);
    std::ofstream out(written, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    out.close();
    std::error_code error;
    if (out)
        std::filesystem::rename(written, path, error);
    if (!out || error) {
        std::filesystem::remove(written, error);
        return false;
    }
    return true;
}

bool loadMemoryFile(const std::filesystem::path& path, FirmwareMemory& memory) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    // One byte more than a memory file holds, so that a longer file shows as one.
    std::vector<std::uint8_t> file(MemoryFileSize + 1);
    in.read(reinterpret_cast<char*>(file.data()), static_cast<std::streamsize>(file.size()));
    file.resize(static_cast<std::size_t>(in.gcount()));
    return decodeMemoryFile(file, memory);
}

}  // namespace emulator
