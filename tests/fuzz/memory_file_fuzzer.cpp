// A memory file of any content is either taken whole or rejected with the memory unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "emulator/memory_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    emulator::FirmwareMemory memory;
    const auto before = emulator::encodeMemoryFile(memory);
    const bool taken = emulator::decodeMemoryFile(std::span(data, size), memory);
    if (!taken && emulator::encodeMemoryFile(memory) != before)
        std::abort();
    if (taken && emulator::encodeMemoryFile(memory) != std::vector(data, data + size))
        std::abort();
    return 0;
}
