#include "emulator/key_playback.h"

namespace emulator {
namespace {

constexpr std::uint8_t OneTimeMode = 0xA0;
constexpr std::uint8_t RepeatWhileHeldMode = 0xA1;
constexpr std::uint8_t RepeatUntilNextKeyMode = 0xA2;
constexpr std::uint8_t FixedSequenceMode = 0xB0;

constexpr std::uint8_t ReleaseBit = 0x80;
constexpr std::uint8_t EndMarkBit = 0x40;
constexpr std::uint8_t DelayMask = 0x3F;

bool isPlayableMode(std::uint8_t mode) {
    return mode == OneTimeMode || mode == RepeatWhileHeldMode || mode == RepeatUntilNextKeyMode ||
           mode == FixedSequenceMode;
}

// A launch key: its own code pressed and released with the end mark, as a fixed sequence.
std::optional<std::uint8_t> launchCodeOf(const common::KeyBlock& block) {
    const std::uint8_t code = block[0];
    const bool isLaunch = block[common::ModeByteOffset] == FixedSequenceMode &&
                          common::isKeyCode(code) && block[1] == 0x00 && block[2] == code &&
                          block[3] == (ReleaseBit | EndMarkBit);
    return isLaunch ? std::optional(code) : std::nullopt;
}

}  // namespace

KeyPlayback playKeyBlock(const common::KeyBlock& block) {
    KeyPlayback playback;
    playback.mode = block[common::ModeByteOffset];
    if (!isPlayableMode(playback.mode))
        return playback;
    playback.launchCode = launchCodeOf(block);
    if (playback.launchCode)
        return playback;
    for (std::size_t slot = 0; slot < common::EventSlotCount; ++slot) {
        const std::uint8_t code = block[2 * slot];
        const std::uint8_t attr = block[2 * slot + 1];
        if (code != 0) {
            playback.events.push_back({code, attr & ReleaseBit ? KeyAction::Break : KeyAction::Make,
                                       static_cast<std::uint8_t>(attr & DelayMask)});
        }
        if (attr & EndMarkBit)
            break;
    }
    return playback;
}

}  // namespace emulator
