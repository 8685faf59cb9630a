#pragma once
// Everything one process of the library holds: the device stack, the notification window, the
// owner, the readers' host and the device list. Created on first use and kept until the
// library unloads.

#include "keylink/hid_device_list.h"
#include "keylink/win32/notification_window.h"
#include "keylink/win32/reader_threads.h"
#include "keylink/win32/window_host.h"

namespace keylink::win32 {

struct LibraryState {
    LibraryState();

    NotificationWindow window;
    WindowHost host{window};
    ReaderThreads readers{window};
    // Declared last so that it goes first: its destructor stops every reader and closes every
    // record while the rest still exists.
    HidDeviceList list;
};

LibraryState& libraryState();

// The notification window's procedure.
LRESULT CALLBACK notificationWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);

}  // namespace keylink::win32
