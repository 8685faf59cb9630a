// How the firmware answers the feature report commands: writes into its memory, the level and
// logo light settings, reads of its memory and the status query.

#include <algorithm>

#include "common/little_endian.h"
#include "common/profile_layout.h"
#include "emulator/keyboard_firmware.h"

namespace emulator {

bool KeyboardFirmware::receiveFeatureReport(common::HidCollection target,
                                            std::span<const std::uint8_t> report) {
    if (report.size() != ReportSize)
        return false;
    const std::uint16_t address = common::readLe16(report, CommandAddressOffset);
    Chunk data;
    std::copy_n(report.begin() + CommandDataOffset, data.size(), data.begin());
    if (report[0] == WriteCommandId && target == common::CommandCollection) {
        return handleWrite(address, data);
    }
    if (report[0] == ReadCommandId && target == common::AnswerCollection) {
        return handleRead(address);
    }
    return false;
}

bool KeyboardFirmware::handleWrite(std::uint16_t address, const Chunk& data) {
    const std::uint8_t value = data[0];
    if (address == common::LevelAddress) {
        if (value > HighestLevel)
            return false;
        level_ = value;
        return true;
    }
    if (address == common::ToggleAddress) {
        if (value > 1)
            return false;
        logoLightOn_ = value == 1;
        return true;
    }
    return memory_.write(address, data);
}

bool KeyboardFirmware::handleRead(std::uint16_t address) {
    if (address == common::StatusAddress) {
        queueInputReport(statusAnswer(leftFanOn_, rightFanOn_));
        return true;
    }
    std::optional<Chunk> data = memory_.read(address);
    if (!data)
        return false;
    queueInputReport(readAnswer(address, *data));
    return true;
}

}  // namespace emulator
