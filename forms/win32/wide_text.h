#pragma once
// UTF-16 text between the forms (char16_t) and the Windows API (wchar_t, also 16 bits there).

#include <string>
#include <string_view>

namespace forms::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string utf16(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace forms::win32
