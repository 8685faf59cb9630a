#pragma once
// The shape of the configuration: four profiles of ten programmable keys, each key carrying one
// 41-byte key block. The same bytes travel unchanged through the device image, the
// configuration files and the macro file.

#include <array>
#include <cstddef>
#include <cstdint>

namespace common {

constexpr int ProfileCount = 4;
constexpr int KeysPerProfile = 10;
constexpr int KeyCount = ProfileCount * KeysPerProfile;

constexpr bool isValidProfile(int profile) {
    return profile >= 0 && profile < ProfileCount;
}
constexpr bool isValidKey(int profile, int key) {
    return isValidProfile(profile) && key >= 0 && key < KeysPerProfile;
}

constexpr std::size_t EventSlotCount = 20;
constexpr std::size_t KeyBlockSize = 41;  // 20 slots of (code, attr) and the mode byte
constexpr std::size_t ModeByteOffset = 40;
constexpr std::size_t KeyDataSize = 64;       // the record's field; bytes 41-63 stay zero
constexpr std::size_t NameUnits = 256;        // UTF-16 units of a key's assignment name
constexpr std::size_t LaunchPathUnits = 512;  // UTF-16 units of a launch path, terminator included

using KeyBlock = std::array<std::uint8_t, KeyBlockSize>;

// The key's own code, unique over all forty keys; the keyboard reports it for a launch key.
constexpr std::uint8_t FirstKeyCode = 0x98;
constexpr std::uint8_t LastKeyCode = FirstKeyCode + KeyCount - 1;
constexpr std::uint8_t keyCodeOf(int profile, int key) {
    return static_cast<std::uint8_t>(FirstKeyCode + KeysPerProfile * profile + key);
}
constexpr bool isKeyCode(std::uint8_t code) {
    return code >= FirstKeyCode && code <= LastKeyCode;
}

// Keyboard memory: image offset x lives at keyboard address x + 4.
constexpr std::size_t ProfileImageSize = KeysPerProfile * KeyBlockSize;   // 410
constexpr std::size_t DeviceImageSize = ProfileCount * ProfileImageSize;  // 1640
constexpr std::uint16_t ImageAddressOffset = 4;
// Profile p lies at offset 410 * p of the image, its key k 41 * k further on.
constexpr std::size_t profileImageOffset(int profile) {
    return ProfileImageSize * static_cast<std::size_t>(profile);
}
constexpr std::size_t keyImageOffset(int profile, int key) {
    return profileImageOffset(profile) + KeyBlockSize * static_cast<std::size_t>(key);
}
constexpr std::uint16_t LevelAddress = 0xFF00;
constexpr std::uint16_t ToggleAddress = 0xFF01;
constexpr std::uint16_t StatusAddress = 0xFFFF;

}  // namespace common
