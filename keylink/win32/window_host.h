#pragma once
// The owner window the library reports to, and the per-handle registrations of the
// notification window.

#include <windows.h>

#include <cstdint>

#include "keylink/host_window.h"
#include "keylink/win32/notification_window.h"

namespace keylink::win32 {

// Until InitDriver names the owner's message, relayed reports carry this one.
constexpr UINT DefaultOwnerMessage = 1280;

class WindowHost : public HostWindow {
  public:
    explicit WindowHost(const NotificationWindow& window) : window_(window) {}

    void setOwner(HWND owner, UINT ownerMessage) {
        owner_ = owner;
        ownerMessage_ = ownerMessage;
    }
    HWND owner() const { return owner_; }
    UINT ownerMessage() const { return ownerMessage_; }

    bool postToOwner(std::uint32_t message) override;
    NotifyHandle registerHandleNotification(OsHandle device) override;
    void unregisterDeviceNotification(NotifyHandle registration) override;

  private:
    const NotificationWindow& window_;
    HWND owner_ = nullptr;
    UINT ownerMessage_ = DefaultOwnerMessage;
};

}  // namespace keylink::win32
