#include "emulator/keyboard_firmware.h"

#include <iterator>

namespace emulator {

std::vector<InputReport> KeyboardFirmware::takeInputReports() {
    std::vector<InputReport> reports(std::make_move_iterator(pending_.begin()),
                                     std::make_move_iterator(pending_.end()));
    pending_.clear();
    return reports;
}

void KeyboardFirmware::queueInputReport(const InputReport& report) {
    if (pending_.size() == InputReportQueueCapacity)
        pending_.pop_front();
    pending_.push_back(report);
}

bool KeyboardFirmware::selectOnBoardProfile(int profile) {
    if (!common::isValidProfile(profile))
        return false;
    onBoardProfile_ = profile;
    return true;
}

KeyPlayback KeyboardFirmware::pressKey(int key) {
    if (!common::isValidKey(onBoardProfile_, key))
        return {};
    KeyPlayback playback = playKeyBlock(memory_.keyBlock(onBoardProfile_, key));
    if (playback.launchCode)
        queueInputReport(launchKeyReport(*playback.launchCode));
    return playback;
}

void KeyboardFirmware::setFanState(bool leftOn, bool rightOn) {
    if (leftOn == leftFanOn_ && rightOn == rightFanOn_)
        return;
    leftFanOn_ = leftOn;
    rightFanOn_ = rightOn;
    queueInputReport(fanChangeReport());
}

}  // namespace emulator
