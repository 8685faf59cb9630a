#include "stormline/macro/key_names.h"

#include "stormline/macro/usage_scan_table.h"

namespace macro {

std::u16string keyMessageName(std::uint32_t keyMessageWord, KeyNames& names) {
    if (keyMessageWord == PrintScreenKeyMessageWord) {
        return std::u16string(PrintScreenName);
    }
    return names.nameOf(keyMessageWord);
}

std::u16string storedKeyName(std::uint8_t code, KeyNames& names) {
    const std::optional<ScanCode> scan = scanFromUsage(code);
    if (!scan) {
        return {};
    }
    return keyMessageName(keyMessageWord(*scan), names);
}

}  // namespace macro
