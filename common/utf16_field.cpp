#include "common/utf16_field.h"

#include <algorithm>

namespace common {

void setField(std::span<char16_t> field, std::u16string_view text) {
    if (field.empty())
        return;
    std::size_t kept = std::min(text.size(), field.size() - 1);
    auto end = std::copy_n(text.begin(), kept, field.begin());
    std::fill(end, field.end(), u'\0');
}

std::u16string_view fieldText(std::span<const char16_t> field) {
    auto end = std::find(field.begin(), field.end(), u'\0');
    return {field.data(), static_cast<std::size_t>(end - field.begin())};
}

void blankField(std::span<char16_t> field) {
    for (char16_t& unit : field) {
        if (unit == u'\0')
            break;
        unit = u' ';
    }
}

}  // namespace common
