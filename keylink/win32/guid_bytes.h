#pragma once
// A GUID as the 16 bytes a structure holds it in: Data1, Data2 and Data3 little-endian, then
// Data4 as it stands.

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/little_endian.h"

namespace keylink::win32 {

inline std::array<std::uint8_t, 16> guidBytes(const GUID& guid) {
    std::array<std::uint8_t, 16> bytes{};
    common::writeLe32(bytes, 0, guid.Data1);
    common::writeLe16(bytes, 4, guid.Data2);
    common::writeLe16(bytes, 6, guid.Data3);
    for (std::size_t i = 0; i < 8; ++i)
        bytes[8 + i] = guid.Data4[i];
    return bytes;
}

inline GUID guidOf(const std::array<std::uint8_t, 16>& bytes) {
    GUID guid{};
    guid.Data1 = common::readLe32(bytes, 0);
    guid.Data2 = common::readLe16(bytes, 4);
    guid.Data3 = common::readLe16(bytes, 6);
    for (std::size_t i = 0; i < 8; ++i)
        guid.Data4[i] = bytes[8 + i];
    return guid;
}

}  // namespace keylink::win32
