// The editing operations of the configuration model: what each function menu choice, the macro
// editor and a profile reset write into a key record.

#include <algorithm>

#include "common/key_block_encoding.h"
#include "common/utf16_field.h"
#include "stormline/core/configuration_model.h"
#include "stormline/core/shortcuts.h"

namespace core {
namespace {

// The fixed sequences are makes without a pause, breaks, and a last break with the end mark.
constexpr std::uint8_t MakeAttr = 0;
constexpr std::uint8_t BreakAttr = common::ReleaseBit;
constexpr std::uint8_t LastBreakAttr = common::ReleaseBit | common::EndMarkBit;

void writeSlots(KeyRecord& record, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), record.keyData.begin());
}

}  // namespace

bool ConfigurationModel::assignShortcut(int profile, int key, std::int32_t code) {
    KeyRecord* record = findRecord(profile, key);
    std::optional<Shortcut> shortcut = shortcutForFunction(code);
    if (!record || !shortcut)
        return false;
    const std::uint8_t letter = shortcut->letterUsage;
    // Control down, letter down, letter up, Control up; whatever followed stays behind the end.
    writeSlots(*record, {LeftControlUsage, MakeAttr, letter, MakeAttr, letter, BreakAttr,
                         LeftControlUsage, LastBreakAttr});
    record->keyData[common::ModeByteOffset] = ModeByte::FixedSequence;
    common::setField(record->name, shortcut->name);
    record->function = code;
    return true;
}

bool ConfigurationModel::rebuildLaunchBlock(int profile, int key) {
    KeyRecord* record = findRecord(profile, key);
    if (!record)
        return false;
    // The keyboard answers a press of this block by reporting the key's own code.
    const std::uint8_t code = record->keyCode;
    writeSlots(*record, {code, MakeAttr, code, LastBreakAttr});
    record->keyData[common::ModeByteOffset] = ModeByte::FixedSequence;
    return true;
}

bool ConfigurationModel::assignLaunch(int profile, int key, std::u16string_view path) {
    KeyRecord* record = findRecord(profile, key);
    if (!record || !common::fitsField(path, common::LaunchPathUnits))
        return false;
    rebuildLaunchBlock(profile, key);
    common::setField(record->name, LaunchName);
    common::setField(record->launchPath, path);
    record->function = FunctionCode::Launch;
    launchPathTable.setPath(profile, key, path);
    return true;
}

bool ConfigurationModel::assignMacro(int profile, int key,
                                     std::span<const std::uint8_t, common::KeyBlockSize> block) {
    KeyRecord* record = findRecord(profile, key);
    if (!record)
        return false;
    record->setKeyBlock(block);
    common::setField(record->name, MacroName);
    record->function = FunctionCode::Macro;
    return true;
}

void ConfigurationModel::clearProfile(int profile) {
    if (!isValidProfile(profile))
        return;
    for (KeyRecord& record : profileTable.profiles[profile].keys) {
        record.function = FunctionCode::None;
        common::blankField(record.name);
        record.setKeyBlock(common::KeyBlock{});
    }
}

void ConfigurationModel::clearAll() {
    for (int profile = 0; profile < common::ProfileCount; ++profile)
        clearProfile(profile);
}

}  // namespace core
