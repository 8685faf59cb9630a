#include "keylink/win32/table_device_stack.h"

#include <windows.h>

#include <setupapi.h>

#include <cstddef>
#include <new>

#include "common/little_endian.h"
#include "keylink/win32/device_stack_table.h"
#include "keylink/win32/guid_bytes.h"

namespace keylink::win32 {

static_assert(sizeof(SP_DEVICE_INTERFACE_DATA) == 28);
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) == sys::DetailFixedSize);
static_assert(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) == sys::DetailPathOffset);

namespace {

const DeviceStackTable& table() {
    return activeDeviceStackTable();
}

HANDLE toHandle(OsHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}
OsHandle fromHandle(HANDLE handle) {
    return reinterpret_cast<OsHandle>(handle);
}

bool hidInterfaceClass(GUID& guid) {
    if (!table().hidGetHidGuid)
        return false;
    table().hidGetHidGuid(&guid);
    return true;
}

SP_DEVICE_INTERFACE_DATA systemInterfaceData(const InterfaceData& data) {
    SP_DEVICE_INTERFACE_DATA system{};
    system.cbSize = sizeof system;
    system.InterfaceClassGuid = guidOf(data.interfaceClass);
    system.Flags = data.flags;
    system.Reserved = data.reserved;
    return system;
}

// One ReadFileEx in flight. The system needs its overlapped record until the completion
// routine has run, so the record lives on the heap and the routine frees it.
struct PendingRead {
    OVERLAPPED overlapped{};
    OverlappedRead* outcome = nullptr;
};

VOID CALLBACK readCompleted(DWORD error, DWORD bytesRead, LPOVERLAPPED overlapped) {
    // The overlapped record is PendingRead's first member.
    auto* pending = reinterpret_cast<PendingRead*>(overlapped);
    *pending->outcome = {true, error, bytesRead};
    delete pending;
}

}  // namespace

DeviceSet TableDeviceStack::getHidClassDevices() {
    GUID hidClass;
    if (!hidInterfaceClass(hidClass) || !table().setupDiGetClassDevsA)
        return InvalidHandle;
    HDEVINFO set = table().setupDiGetClassDevsA(&hidClass, nullptr, nullptr,
                                                DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    return set == INVALID_HANDLE_VALUE ? InvalidHandle : fromHandle(set);
}

InterfaceResult TableDeviceStack::enumDeviceInterface(DeviceSet set, std::uint32_t memberIndex) {
    GUID hidClass;
    if (!hidInterfaceClass(hidClass) || !table().setupDiEnumDeviceInterfaces) {
        return {false, ERROR_INVALID_HANDLE, {}};
    }
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    if (!table().setupDiEnumDeviceInterfaces(toHandle(set), nullptr, &hidClass, memberIndex,
                                             &data)) {
        return {false, GetLastError(), {}};
    }
    return {true, 0, {guidBytes(data.InterfaceClassGuid), data.Flags, data.Reserved}};
}

DetailResult TableDeviceStack::getDeviceInterfaceDetail(DeviceSet set, const InterfaceData& data,
                                                        std::span<std::uint8_t> detail) {
    if (!table().setupDiGetDeviceInterfaceDetailA)
        return {false, ERROR_INVALID_HANDLE, 0};
    SP_DEVICE_INTERFACE_DATA system = systemInterfaceData(data);
    // The buffer was laid out byte by byte by the caller; the system reads it as its detail
    // record.
    auto* record = detail.empty()
                       ? nullptr
                       : reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(detail.data());
    DWORD required = 0;
    BOOL ok = table().setupDiGetDeviceInterfaceDetailA(
        toHandle(set), &system, record, static_cast<DWORD>(detail.size()), &required, nullptr);
    return {ok != FALSE, ok ? 0 : GetLastError(), required};
}

void TableDeviceStack::destroyDeviceInfoList(DeviceSet set) {
    if (table().setupDiDestroyDeviceInfoList)
        table().setupDiDestroyDeviceInfoList(toHandle(set));
}

OsHandle TableDeviceStack::createFile(const char* path, std::uint32_t access, std::uint32_t share,
                                      std::uint32_t creation, std::uint32_t flagsAndAttributes) {
    if (!table().createFileA)
        return InvalidHandle;
    HANDLE handle =
        table().createFileA(path, access, share, nullptr, creation, flagsAndAttributes, nullptr);
    return handle == INVALID_HANDLE_VALUE ? InvalidHandle : fromHandle(handle);
}

bool TableDeviceStack::closeHandle(OsHandle handle) {
    return table().closeHandle && table().closeHandle(toHandle(handle));
}

OsHandle TableDeviceStack::duplicateHandle(OsHandle handle) {
    if (!table().duplicateHandle)
        return NoHandle;
    HANDLE copy = nullptr;
    HANDLE process = GetCurrentProcess();
    if (!table().duplicateHandle(process, toHandle(handle), process, &copy, 0, FALSE,
                                 DUPLICATE_SAME_ACCESS)) {
        return NoHandle;
    }
    return fromHandle(copy);
}

std::optional<PreparsedData> TableDeviceStack::getPreparsedData(OsHandle device) {
    HidPreparsedData data = nullptr;
    if (!table().hidGetPreparsedData || !table().hidGetPreparsedData(toHandle(device), &data)) {
        return std::nullopt;
    }
    return reinterpret_cast<PreparsedData>(data);
}

void TableDeviceStack::freePreparsedData(PreparsedData data) {
    if (table().hidFreePreparsedData) {
        table().hidFreePreparsedData(reinterpret_cast<HidPreparsedData>(data));
    }
}

std::optional<HidAttributes> TableDeviceStack::getAttributes(OsHandle device) {
    HiddAttributes attributes{};
    attributes.size = sizeof attributes;
    if (!table().hidGetAttributes || !table().hidGetAttributes(toHandle(device), &attributes)) {
        return std::nullopt;
    }
    return HidAttributes{attributes.vendorId, attributes.productId, attributes.versionNumber};
}

std::optional<HidCaps> TableDeviceStack::getCaps(PreparsedData data) {
    HidpCaps caps{};
    if (!table().hidpGetCaps ||
        table().hidpGetCaps(reinterpret_cast<HidPreparsedData>(data), &caps) != HidpStatusSuccess) {
        return std::nullopt;
    }
    return HidCaps{caps.usage, caps.usagePage, caps.inputReportByteLength,
                   caps.outputReportByteLength, caps.featureReportByteLength};
}

bool TableDeviceStack::setFeature(OsHandle device, std::span<const std::uint8_t> report) {
    // The system's declaration takes a mutable pointer but only reads the report.
    return table().hidSetFeature &&
           table().hidSetFeature(toHandle(device), const_cast<std::uint8_t*>(report.data()),
                                 static_cast<ULONG>(report.size()));
}

bool TableDeviceStack::getFeature(OsHandle device, std::span<std::uint8_t> report) {
    return table().hidGetFeature && table().hidGetFeature(toHandle(device), report.data(),
                                                          static_cast<ULONG>(report.size()));
}

bool TableDeviceStack::getManufacturerString(OsHandle device, std::span<std::uint8_t> buffer) {
    return table().hidGetManufacturerString &&
           table().hidGetManufacturerString(toHandle(device), buffer.data(),
                                            static_cast<ULONG>(buffer.size()));
}

bool TableDeviceStack::getIndexedString(OsHandle device, std::uint32_t stringIndex,
                                        std::span<std::uint8_t> buffer) {
    return table().hidGetIndexedString &&
           table().hidGetIndexedString(toHandle(device), stringIndex, buffer.data(),
                                       static_cast<ULONG>(buffer.size()));
}

bool TableDeviceStack::readFileEx(OsHandle device, std::span<std::uint8_t> buffer,
                                  OverlappedRead& read) {
    if (!table().readFileEx)
        return false;
    // A read that cannot be given its record is one that cannot be issued; an exception here
    // would leave the reader's handle open and its slot looking busy.
    auto* pending = new (std::nothrow) PendingRead;
    if (!pending)
        return false;
    pending->outcome = &read;
    if (!table().readFileEx(toHandle(device), buffer.data(), static_cast<DWORD>(buffer.size()),
                            &pending->overlapped, readCompleted)) {
        delete pending;
        return false;
    }
    return true;
}

bool TableDeviceStack::cancelIo(OsHandle device) {
    return table().cancelIo && table().cancelIo(toHandle(device));
}

SleepResult TableDeviceStack::sleepEx(std::uint32_t milliseconds, bool alertable) {
    if (!table().sleepEx)
        return SleepResult::Elapsed;
    DWORD result = table().sleepEx(milliseconds, alertable ? TRUE : FALSE);
    return result == WAIT_IO_COMPLETION ? SleepResult::IoCompletion : SleepResult::Elapsed;
}

}  // namespace keylink::win32
