#pragma once
// Reader threads as system threads, and the relay of their reports through the notification
// window.

#include "keylink/reader_host.h"
#include "keylink/win32/notification_window.h"

namespace keylink::win32 {

class ReaderThreads : public ReaderHost {
  public:
    explicit ReaderThreads(const NotificationWindow& window) : window_(window) {}

    OsHandle startThread(std::function<std::uint32_t()> body) override;
    void releaseThread(OsHandle thread) override;
    void relayReport(std::int32_t position,
                     std::span<const std::uint8_t, RelayedReportSize> report) override;

  private:
    OsHandle startSystemThread(std::function<std::uint32_t()> body);

    const NotificationWindow& window_;
};

}  // namespace keylink::win32
