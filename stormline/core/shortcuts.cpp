#include "stormline/core/shortcuts.h"

#include <array>

#include "stormline/core/key_record.h"

namespace core {
namespace {

constexpr std::array<Shortcut, 9> Shortcuts{{
    {FunctionCode::Cut, u"CUT", 0x1B},      // X
    {FunctionCode::Copy, u"COPY", 0x06},    // C
    {FunctionCode::Paste, u"PASTE", 0x19},  // V
    {FunctionCode::Undo, u"UNDO", 0x1D},    // Z
    {FunctionCode::All, u"ALL", 0x04},      // A
    {FunctionCode::Find, u"FIND", 0x09},    // F
    {FunctionCode::New, u"NEW", 0x11},      // N
    {FunctionCode::Print, u"PRINT", 0x13},  // P
    {FunctionCode::Save, u"SAVE", 0x16},    // S
}};

}  // namespace

std::optional<Shortcut> shortcutForFunction(std::int32_t function) {
    for (const Shortcut& shortcut : Shortcuts) {
        if (shortcut.function == function)
            return shortcut;
    }
    return std::nullopt;
}

std::optional<Shortcut> shortcutForLetter(std::uint8_t letterUsage) {
    for (const Shortcut& shortcut : Shortcuts) {
        if (shortcut.letterUsage == letterUsage)
            return shortcut;
    }
    return std::nullopt;
}

}  // namespace core
