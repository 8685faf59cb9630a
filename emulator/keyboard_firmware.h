#pragma once
// The keyboard's firmware as the system relies on it: it takes feature reports on its
// collections, keeps the profile memory, the backlight level and the logo light, plays keys of
// its on-board profile and reports launch keys and fan changes.
//
// Answers and other input reports are queued, never delivered inside the call that caused
// them: the transport drains the queue after the feature report call has returned, as a real
// keyboard answers asynchronously.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "common/keyboard_identity.h"
#include "emulator/firmware_memory.h"
#include "emulator/firmware_reports.h"
#include "emulator/key_playback.h"

namespace emulator {

constexpr std::uint8_t HighestLevel = 3;
// Input reports held for the transport. The host's HID driver buffers as many (its default) and
// drops the oldest when its reader falls behind; the model does the same, so that a transport
// that never drains the queue cannot make it grow without end.
constexpr std::size_t InputReportQueueCapacity = 32;

class KeyboardFirmware {
  public:
    // Acts on one feature report sent to the target collection. A report the firmware does not
    // understand (wrong length, unknown ID, wrong collection, an address it does not have, a
    // value out of range) changes nothing, queues nothing and gives false.
    bool receiveFeatureReport(common::HidCollection target, std::span<const std::uint8_t> report);

    // The input reports queued since the last call, oldest first, at most
    // InputReportQueueCapacity of the newest; the queue is left empty.
    std::vector<InputReport> takeInputReports();
    bool hasInputReports() const { return !pending_.empty(); }

    // The profile the keyboard plays its keys from, 0-3; another value is refused.
    bool selectOnBoardProfile(int profile);
    int onBoardProfile() const { return onBoardProfile_; }

    // A press of key 0-9 of the on-board profile; a launch key queues its report. Another key
    // plays nothing.
    KeyPlayback pressKey(int key);

    // A change of either fan queues the fan-change report; setting the same state again does
    // not.
    void setFanState(bool leftOn, bool rightOn);
    bool leftFanOn() const { return leftFanOn_; }
    bool rightFanOn() const { return rightFanOn_; }

    std::uint8_t level() const { return level_; }
    bool logoLightOn() const { return logoLightOn_; }

    FirmwareMemory& memory() { return memory_; }
    const FirmwareMemory& memory() const { return memory_; }

  private:
    bool handleWrite(std::uint16_t address, const Chunk& data);
    bool handleRead(std::uint16_t address);
    void queueInputReport(const InputReport& report);

    FirmwareMemory memory_;
    std::deque<InputReport> pending_;
    int onBoardProfile_ = 0;
    std::uint8_t level_ = 0;
    bool logoLightOn_ = false;
    bool leftFanOn_ = false;
    bool rightFanOn_ = false;
};

}  // namespace emulator
