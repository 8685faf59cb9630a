#pragma once
// Fixed-size, zero-terminated, zero-padded UTF-16 text fields, as the records and files hold
// them. Every copy is bounded by the field: a text that does not fit is cut with its
// terminator kept, and nothing is ever written past the field.

#include <cstddef>
#include <span>
#include <string_view>

namespace common {

// Copies text into field, cut to field.size() - 1 units, and zero-fills the rest.
void setField(std::span<char16_t> field, std::u16string_view text);

// The text of a field: up to its first zero, or the whole field when it has none.
std::u16string_view fieldText(std::span<const char16_t> field);

// Whether text fits a field of that many units with its terminator, so that storing it loses
// nothing. Used where a cut text would mean something else (a shortened path names another
// program).
constexpr bool fitsField(std::u16string_view text, std::size_t fieldUnits) {
    return text.size() < fieldUnits && text.find(u'\0') == std::u16string_view::npos;
}

// Replaces every unit before the terminator by a space, keeping the text's length.
void blankField(std::span<char16_t> field);

}  // namespace common
