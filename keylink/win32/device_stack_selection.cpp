#include "keylink/win32/device_stack_selection.h"

#include "keylink/win32/table_device_stack.h"

namespace keylink::win32 {

DeviceStack& selectedDeviceStack() {
    static TableDeviceStack systemStack;
    return systemStack;
}

}  // namespace keylink::win32
