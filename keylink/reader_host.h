#pragma once
// What an input-report reader needs from the system besides the device stack: a thread of its
// own, and the relay of each report to the notification window.

#include <cstdint>
#include <functional>
#include <span>

#include "keylink/device_stack.h"

namespace keylink {

constexpr std::size_t RelayedReportSize = 32;

class ReaderHost {
  public:
    virtual ~ReaderHost() = default;

    // Runs body on a new thread; the thread's handle, or NoHandle when no thread was created.
    virtual OsHandle startThread(std::function<std::uint32_t()> body) = 0;
    // Lets go of a thread handle without waiting for the thread.
    virtual void releaseThread(OsHandle thread) = 0;
    // Called on the reader's thread: hands the report to the notification window and returns
    // once the owner window has handled it, so the report only has to live until then.
    virtual void relayReport(std::int32_t position,
                             std::span<const std::uint8_t, RelayedReportSize> report) = 0;
};

}  // namespace keylink
