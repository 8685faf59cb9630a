// Feeds the keyboard model a stream of feature reports of any length, sent to any of the three
// collections, with key presses and fan changes in between: nothing may write outside the
// model's memory, and every answer must be a whole input report.

#include <cstddef>
#include <cstdint>
#include <span>

#include "common/keyboard_identity.h"
#include "emulator/keyboard_firmware.h"

namespace {

constexpr common::HidCollection Collections[] = {
    common::CommandCollection, common::AnswerCollection, common::ConsumerCollection};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    emulator::KeyboardFirmware firmware;
    std::span<const std::uint8_t> rest(data, size);
    while (rest.size() >= 2) {
        const std::uint8_t action = rest[0];
        const std::size_t length = rest[1] % 12;
        rest = rest.subspan(2);
        switch (action % 4) {
            case 0:
                firmware.pressKey(action / 4 % 12 - 1);
                break;
            case 1:
                firmware.setFanState(action & 0x10, action & 0x20);
                break;
            case 2:
                firmware.selectOnBoardProfile(action / 4 % 6 - 1);
                break;
            default: {
                const std::size_t taken = length < rest.size() ? length : rest.size();
                firmware.receiveFeatureReport(Collections[action / 4 % 3], rest.first(taken));
                rest = rest.subspan(taken);
            }
        }
        for (const auto& report : firmware.takeInputReports()) {
            volatile auto id = report.bytes[0];
            (void)id;
        }
    }
    return 0;
}
