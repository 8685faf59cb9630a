#pragma once
// What the device list needs from the window side of the library: the owner window that hears
// about the keyboard, and the notification window's per-handle registrations.

#include <cstdint>

#include "keylink/device_stack.h"

namespace keylink {

using NotifyHandle = std::uintptr_t;

class HostWindow {
  public:
    virtual ~HostWindow() = default;

    // PostMessage(owner window, message, 0, 0); false when nothing was posted.
    virtual bool postToOwner(std::uint32_t message) = 0;
    // RegisterDeviceNotification for the notification window with a handle filter; 0 when it
    // fails.
    virtual NotifyHandle registerHandleNotification(OsHandle device) = 0;
    virtual void unregisterDeviceNotification(NotifyHandle registration) = 0;
};

}  // namespace keylink
