#pragma once
// The one place where the library chooses the device stack it talks to.

#include "keylink/device_stack.h"

namespace keylink::win32 {

// The system's HID stack. Any other transport is chosen here, and only when it is asked for
// explicitly.
DeviceStack& selectedDeviceStack();

}  // namespace keylink::win32
