#include "common/locations.h"

namespace common {

namespace {

std::u16string decimal(int value) {
    std::u16string digits;
    bool negative = value < 0;
    unsigned magnitude =
        negative ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        digits.insert(digits.begin(), u'-');
    return digits;
}

}  // namespace

std::u16string launchPathSection(int profile) {
    return u"Profile" + decimal(profile);
}

std::u16string launchPathKeyName(int key) {
    return decimal(key);
}

std::u16string dataFolder(std::u16string_view sharedDocuments) {
    return std::u16string(sharedDocuments) + std::u16string(DataSubfolder);
}

std::u16string launchPathFile(std::u16string_view sharedDocuments) {
    return dataFolder(sharedDocuments) + std::u16string(LaunchPathFileName);
}

std::u16string backupFile(std::u16string_view sharedDocuments) {
    return dataFolder(sharedDocuments) + std::u16string(BackupFileName);
}

}  // namespace common
