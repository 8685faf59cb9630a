#pragma once
// The in-memory configuration: four profiles of ten key records, and the table that keeps the
// launch paths read from a configuration file until the next upload writes them out.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "common/key_block_encoding.h"
#include "common/profile_layout.h"

namespace core {

// What a key does; the number is also the one of the function menu item that assigns it.
struct FunctionCode {
    static constexpr std::int32_t None = 0;
    static constexpr std::int32_t Macro = 1;
    static constexpr std::int32_t Cut = 2;
    static constexpr std::int32_t Copy = 3;
    static constexpr std::int32_t Paste = 4;
    static constexpr std::int32_t Undo = 5;
    static constexpr std::int32_t All = 6;
    static constexpr std::int32_t Find = 7;
    static constexpr std::int32_t New = 8;
    static constexpr std::int32_t Print = 9;
    static constexpr std::int32_t Save = 10;
    static constexpr std::int32_t Launch = 11;
};

using common::ModeByte;

constexpr std::u16string_view NormalName = u"Normal";
constexpr std::u16string_view MacroName = u"MACRO";
constexpr std::u16string_view LaunchName = u"LAUNCH";

// One programmable key of one profile.
struct KeyRecord {
    // Bytes 0-40 are the key block; bytes 41-63 are never used and stay zero.
    std::array<std::uint8_t, common::KeyDataSize> keyData{};
    std::array<char16_t, common::NameUnits> name{};
    std::int32_t function = FunctionCode::None;
    std::array<char16_t, common::LaunchPathUnits> launchPath{};
    // 0 until assignKeyCodes() gives every key its own code.
    std::uint8_t keyCode = 0;

    // A fresh key: "Normal", nothing assigned, an empty one-time macro.
    KeyRecord();

    common::KeyBlock keyBlock() const;
    void setKeyBlock(std::span<const std::uint8_t, common::KeyBlockSize> block);
    std::uint8_t modeByte() const { return keyData[common::ModeByteOffset]; }

    std::u16string_view nameText() const;
    std::u16string_view launchPathText() const;
};

struct Profile {
    std::array<KeyRecord, common::KeysPerProfile> keys;
};

struct ProfileTable {
    std::array<Profile, common::ProfileCount> profiles;
    // Fields that follow the profiles in the table; constructed empty and left alone.
    std::array<char16_t, 256> trailingName{};
    std::array<char16_t, 512> trailingPath{};
    std::array<std::uint8_t, 180> reserved{};
};

// One entry has the layout of a key block of a configuration file; only the path is used.
struct LaunchPathEntry {
    std::array<std::uint8_t, 128> keyBlockArea{};
    std::array<char16_t, common::NameUnits> name{};
    std::array<char16_t, common::LaunchPathUnits> path{};
};

// The launch paths a configuration file brought in, entry 10 * profile + key.
class LaunchPathTable {
  public:
    // An empty text for an index outside the table.
    std::u16string_view path(int profile, int key) const;
    // Refused (false, nothing changed) for an index outside the table or a path that does not
    // fit its field: a shortened path would name another program.
    bool setPath(int profile, int key, std::u16string_view path);

    std::array<LaunchPathEntry, common::KeyCount> entries{};
};

using common::isValidKey;
using common::isValidProfile;

}  // namespace core
