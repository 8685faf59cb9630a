#pragma once
// Keylink.dll: finds the keyboard among the system's HID interfaces, follows its arrival and
// removal, and carries feature reports to and from it. Programs link keylink_import, which
// binds these exports by ordinal.
//
// Call InitDriver first, on the thread that runs the owner window's message loop, and every
// other export on that same thread. The library then posts DeviceFoundMessage or
// DeviceMissingMessage to the owner after every rescan (wParam 0, lParam 0). Readers started by
// ReadDevice send the owner message given to InitDriver, with the device's list position as
// wParam and the address of a 32-byte report, valid while the handler runs, as lParam.

#include <windows.h>

#include "common/messages.h"

namespace keylink {
using common::DeviceFoundMessage;
using common::DeviceMissingMessage;
using common::RelayedReportMessage;
}  // namespace keylink

extern "C" {

// Ordinal 2. Vendor and product are ignored: the keyboard's identity is the library's own.
// Returns 1.
LONG WINAPI InitDriver(HWND ownerWindow, UINT ownerMessage, DWORD vendorId, DWORD productId,
                       DWORD usagePage, DWORD usage);
// Ordinal 3. Sends the 8-byte report to every keyboard collection with this usage page and
// usage. Returns 1.
LONG WINAPI SetKbdFeatures(DWORD usagePage, DWORD usage, const BYTE* report);
// Ordinal 4. Stops every reader and closes every device handle. Returns 1.
LONG WINAPI RemoveDevice();
// Ordinal 5. Starts readers for up to ten matching collections. Returns 1.
LONG WINAPI ReadDevice(DWORD usagePage, DWORD usage);
// Ordinal 6. Rescans; nonzero when the found or missing message was posted.
LONG WINAPI DeviceArrival();
// Ordinal 7. Reads a feature report into the 8-byte buffer, whose first byte the caller sets
// to the report ID. Returns 1.
LONG WINAPI GetKbdFeatures(DWORD vendorId, DWORD productId, DWORD usagePage, DWORD usage,
                           BYTE* buffer);
// Ordinal 8. Reads the indexed string (UTF-16). Returns the number of HID interfaces listed.
LONG WINAPI GetIndexStr(DWORD vendorId, DWORD productId, DWORD usagePage, DWORD usage,
                        DWORD stringIndex, void* buffer, DWORD bufferBytes);
// Ordinal 9. Reads the manufacturer string (UTF-16). Returns the number of HID interfaces
// listed.
LONG WINAPI GetManufacturerStr(DWORD vendorId, DWORD productId, DWORD usagePage, DWORD usage,
                               void* buffer, DWORD bufferBytes);

}  // extern "C"
