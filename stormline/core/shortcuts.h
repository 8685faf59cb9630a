#pragma once
// The nine editing shortcuts a key can carry: Ctrl with a letter. The names are stored in the
// key records and files whatever the language of the menu.

#include <cstdint>
#include <optional>
#include <string_view>

namespace core {

struct Shortcut {
    std::int32_t function;
    std::u16string_view name;
    std::uint8_t letterUsage;  // HID keyboard usage of the letter
};

// HID keyboard usage of the left Control key, pressed around the letter.
constexpr std::uint8_t LeftControlUsage = 0xE0;

std::optional<Shortcut> shortcutForFunction(std::int32_t function);
std::optional<Shortcut> shortcutForLetter(std::uint8_t letterUsage);

}  // namespace core
