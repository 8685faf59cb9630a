#include "stormline/macro/win32/windows_key_names.h"

#include <windows.h>

#include <array>

namespace macro {

namespace {

// The longest name the editor asks for, terminator included.
constexpr int KeyNameUnits = 256;

}  // namespace

std::u16string WindowsKeyNames::nameOf(std::uint32_t keyMessageWord) {
    std::array<wchar_t, KeyNameUnits> buffer{};
    const int length =
        GetKeyNameTextW(static_cast<LONG>(keyMessageWord), buffer.data(), KeyNameUnits);
    std::u16string name;
    for (int i = 0; i < length && i < KeyNameUnits - 1 && buffer[i] != L'\0'; ++i) {
        name += static_cast<char16_t>(buffer[i]);
    }
    return name;
}

}  // namespace macro
