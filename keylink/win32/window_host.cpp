#include "keylink/win32/window_host.h"

#include <dbt.h>

namespace keylink::win32 {

static_assert(sizeof(DEV_BROADCAST_HANDLE) == 44);

bool WindowHost::postToOwner(std::uint32_t message) {
    // Without an owner the post would become a message to this thread's own queue.
    if (!owner_)
        return false;
    return PostMessageA(owner_, message, 0, 0) != FALSE;
}

NotifyHandle WindowHost::registerHandleNotification(OsHandle device) {
    if (!window_.handle())
        return 0;
    DEV_BROADCAST_HANDLE filter{};
    filter.dbch_size = sizeof filter;
    filter.dbch_devicetype = DBT_DEVTYP_HANDLE;
    filter.dbch_handle = reinterpret_cast<HANDLE>(device);
    return reinterpret_cast<NotifyHandle>(
        RegisterDeviceNotificationA(window_.handle(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
}

void WindowHost::unregisterDeviceNotification(NotifyHandle registration) {
    UnregisterDeviceNotification(reinterpret_cast<HDEVNOTIFY>(registration));
}

}  // namespace keylink::win32
