#include "emulator/key_playback.h"

#include "common/key_block_encoding.h"
#include "stormline/macro/key_block_events.h"

namespace emulator {
namespace {

bool isPlayableMode(std::uint8_t mode) {
    return common::isMacroMode(mode) || mode == common::ModeByte::FixedSequence;
}

// A launch key: its own code pressed and released with the end mark, as a fixed sequence.
std::optional<std::uint8_t> launchCodeOf(const common::KeyBlock& block) {
    const macro::MacroEvent press = macro::eventAt(block, 0);
    const macro::MacroEvent release = macro::eventAt(block, 1);
    const bool isLaunch = macro::modeOf(block) == common::ModeByte::FixedSequence &&
                          common::isKeyCode(press.code) && press.attr == 0 &&
                          release.code == press.code &&
                          release.attr == (macro::ReleaseBit | macro::EndMarkBit);
    return isLaunch ? std::optional(press.code) : std::nullopt;
}

}  // namespace

KeyPlayback playKeyBlock(const common::KeyBlock& block) {
    KeyPlayback playback;
    playback.mode = macro::modeOf(block);
    if (!isPlayableMode(playback.mode))
        return playback;
    playback.launchCode = launchCodeOf(block);
    if (playback.launchCode)
        return playback;
    for (std::size_t slot = 0; slot < macro::SlotCount; ++slot) {
        const macro::MacroEvent event = macro::eventAt(block, slot);
        if (!event.empty()) {
            playback.events.push_back(
                {event.code, event.release() ? KeyAction::Break : KeyAction::Make, event.delay()});
        }
        if (event.endMark())
            break;
    }
    return playback;
}

}  // namespace emulator
