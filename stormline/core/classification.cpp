#include "stormline/core/classification.h"

#include "stormline/core/configuration_model.h"
#include "stormline/core/shortcuts.h"

namespace core {
namespace {

constexpr std::size_t FirstCodeOffset = 0;
constexpr std::size_t LetterOffset = 2;

}  // namespace

std::int32_t classifiedFunction(const common::KeyBlock& block, std::int32_t previous) {
    const std::uint8_t mode = block[common::ModeByteOffset];
    const std::uint8_t first = block[FirstCodeOffset];
    if (mode == ModeByte::FixedSequence) {
        if (first == LeftControlUsage) {
            std::optional<Shortcut> shortcut = shortcutForLetter(block[LetterOffset]);
            return shortcut ? shortcut->function : previous;
        }
        // Any profile's key code: a file loaded into another profile keeps the codes it was
        // saved with until the next upload rebuilds them.
        return common::isKeyCode(first) ? FunctionCode::Launch : previous;
    }
    if (common::isMacroMode(mode) && first != 0)
        return FunctionCode::Macro;
    return previous;
}

void ConfigurationModel::classifyFromKeyBlocks() {
    for (Profile& profile : profileTable.profiles) {
        for (KeyRecord& record : profile.keys) {
            record.function = classifiedFunction(record.keyBlock(), record.function);
        }
    }
}

}  // namespace core
