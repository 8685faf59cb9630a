#include "stormline/core/key_record.h"

#include <algorithm>

#include "common/utf16_field.h"

namespace core {

KeyRecord::KeyRecord() {
    keyData[common::ModeByteOffset] = ModeByte::OneTime;
    common::setField(name, NormalName);
}

common::KeyBlock KeyRecord::keyBlock() const {
    common::KeyBlock block;
    std::copy_n(keyData.begin(), block.size(), block.begin());
    return block;
}

void KeyRecord::setKeyBlock(std::span<const std::uint8_t, common::KeyBlockSize> block) {
    std::copy(block.begin(), block.end(), keyData.begin());
}

std::u16string_view KeyRecord::nameText() const {
    return common::fieldText(name);
}

std::u16string_view KeyRecord::launchPathText() const {
    return common::fieldText(launchPath);
}

std::u16string_view LaunchPathTable::path(int profile, int key) const {
    if (!isValidKey(profile, key))
        return {};
    return common::fieldText(entries[common::KeysPerProfile * profile + key].path);
}

bool LaunchPathTable::setPath(int profile, int key, std::u16string_view path) {
    if (!isValidKey(profile, key) || !common::fitsField(path, common::LaunchPathUnits)) {
        return false;
    }
    common::setField(entries[common::KeysPerProfile * profile + key].path, path);
    return true;
}

}  // namespace core
