#pragma once
// The library's one list of every present HID interface, the table of positions where the
// keyboard was found, and the readers that run on list positions.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "keylink/device_stack.h"
#include "keylink/hid_device_record.h"
#include "keylink/host_window.h"
#include "keylink/reader.h"
#include "keylink/reader_host.h"

namespace keylink {

constexpr std::size_t MaxMatchedPositions = 10;
constexpr std::int32_t ReaderSlotCount = 30;

enum class OpenMode {
    // No access rights: enough for feature reports and strings, and it reaches collections the
    // system holds open exclusively, as it does keyboards.
    Query,
    // Read and write access with overlapped I/O, for input-report readers.
    Read,
};

struct TargetIdentity {
    std::uint32_t usagePage = 0;
    std::uint32_t usage = 0;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

struct ReaderSlot {
    OsHandle thread = NoHandle;
    std::shared_ptr<ReaderContext> context;

    bool running() const { return context && !context->finished.load(); }
};

class HidDeviceList {
  public:
    HidDeviceList(DeviceStack& stack, HostWindow& host, ReaderHost& readers);
    HidDeviceList(const HidDeviceList&) = delete;
    HidDeviceList& operator=(const HidDeviceList&) = delete;
    ~HidDeviceList();

    // The presence rule's collection; the keyboard's identity comes with it.
    void setTarget(std::uint32_t usagePage, std::uint32_t usage);

    // Stops every reader, closes every record and enumerates afresh. Returns the record count.
    std::int32_t rebuildDeviceList();
    // Rebuilds the list, finds the keyboard in it and tells the owner window. True when the
    // found or missing message was posted.
    bool rescan();

    std::int32_t count() const { return static_cast<std::int32_t>(records_.size()); }
    // The record at a list position, or none when the position is not in the list.
    const HidDeviceRecord* record(std::int32_t position) const;
    std::span<const std::int32_t> matchedPositions() const {
        return std::span(matchedIndex_).first(matchedCount_);
    }

    bool isOpen(std::int32_t position) const;
    bool openRecord(std::int32_t position, OpenMode mode);
    bool closeRecord(std::int32_t position);

    bool startReader(std::int32_t position);
    void stopReader(std::int32_t position);
    void stopAllReaders();
    // Stops every reader and closes whatever record is still open.
    void releaseAll();
    bool readerRunning(std::int32_t position) const;

    DeviceStack& stack() { return stack_; }

  private:
    HidDeviceRecord* mutableRecord(std::int32_t position);
    void forgetReader(ReaderSlot& slot);

    DeviceStack& stack_;
    HostWindow& host_;
    ReaderHost& readers_;
    std::vector<HidDeviceRecord> records_;
    std::array<std::int32_t, MaxMatchedPositions> matchedIndex_{};
    std::size_t matchedCount_ = 0;
    TargetIdentity target_;
    std::array<ReaderSlot, ReaderSlotCount> readerSlots_;
};

}  // namespace keylink
