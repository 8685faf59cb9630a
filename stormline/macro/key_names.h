#pragma once
// Display names of keys, as the macro editor lists them. The names come from the operating
// system's key-name function, reached through the KeyNames port.

#include <cstdint>
#include <string>
#include <string_view>

namespace macro {

class KeyNames {
  public:
    virtual ~KeyNames() = default;
    // The name of the key a key-message word stands for (lParam layout of a key message);
    // empty when the system has none.
    virtual std::u16string nameOf(std::uint32_t keyMessageWord) = 0;
};

// Print Screen gets a short name of our own in place of the system's.
constexpr std::uint32_t PrintScreenKeyMessageWord = 0x01370000;
constexpr std::u16string_view PrintScreenName = u"Prnt Scrn";

// The name of the key a key-message word stands for.
std::u16string keyMessageName(std::uint32_t keyMessageWord, KeyNames& names);

// The name of a key stored in a key block; empty for a code no scan code stands for (0 among
// them), without asking the system.
std::u16string storedKeyName(std::uint8_t code, KeyNames& names);

}  // namespace macro
