#include "keylink/win32/interface_filter.h"

#include <algorithm>
#include <cstring>

#include "common/little_endian.h"
#include "keylink/win32/device_stack_table.h"
#include "keylink/win32/guid_bytes.h"

namespace keylink::win32 {

static_assert(sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) == 32);
static_assert(offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) == dbt::InterfaceNameOffset);

InterfaceFilter hidInterfaceFilter() {
    InterfaceFilter filter;
    auto& bytes = filter.bytes;
    common::writeLe32(bytes, 0, sizeof(DEV_BROADCAST_DEVICEINTERFACE_A));
    common::writeLe32(bytes, dbt::DeviceTypeOffset, DBT_DEVTYP_DEVICEINTERFACE);
    GUID hidClass{};
    if (activeDeviceStackTable().hidGetHidGuid)
        activeDeviceStackTable().hidGetHidGuid(&hidClass);
    std::array<std::uint8_t, 16> classBytes = guidBytes(hidClass);
    std::copy(classBytes.begin(), classBytes.end(), bytes.begin() + dbt::InterfaceClassOffset);
    std::memcpy(bytes.data() + dbt::InterfaceNameOffset, InterfaceFilterName,
                sizeof InterfaceFilterName);
    return filter;
}

}  // namespace keylink::win32
