#include "stormline/core/configuration_model.h"

namespace core {

void ConfigurationModel::assignKeyCodes() {
    for (int profile = 0; profile < common::ProfileCount; ++profile) {
        for (int key = 0; key < common::KeysPerProfile; ++key) {
            profileTable.profiles[profile].keys[key].keyCode = common::keyCodeOf(profile, key);
        }
    }
}

int ConfigurationModel::normaliseCurrentProfile() {
    if (!isValidProfile(currentProfile))
        currentProfile = 0;
    return currentProfile;
}

KeyRecord* ConfigurationModel::findRecord(int profile, int key) {
    if (!isValidKey(profile, key))
        return nullptr;
    return &profileTable.profiles[profile].keys[key];
}

const KeyRecord* ConfigurationModel::findRecord(int profile, int key) const {
    if (!isValidKey(profile, key))
        return nullptr;
    return &profileTable.profiles[profile].keys[key];
}

common::KeyBlock ConfigurationModel::keyBlock(int profile, int key) const {
    const KeyRecord* record = findRecord(profile, key);
    return record ? record->keyBlock() : common::KeyBlock{};
}

bool ConfigurationModel::setKeyBlock(int profile, int key,
                                     std::span<const std::uint8_t, common::KeyBlockSize> bytes) {
    KeyRecord* record = findRecord(profile, key);
    if (!record)
        return false;
    record->setKeyBlock(bytes);
    return true;
}

}  // namespace core
