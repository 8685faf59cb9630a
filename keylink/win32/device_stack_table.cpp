#include "keylink/win32/device_stack_table.h"

#include <atomic>

namespace keylink::win32 {

namespace {

template <typename Function>
void resolve(Function& entry, HMODULE module, const char* name) {
    entry = nullptr;
    if (!module)
        return;
    // GetProcAddress hands back a generic pointer; the table knows each entry's real type.
    entry = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

DeviceStackTable loadSystemTable() {
    HMODULE hid = LoadLibraryA("hid.dll");
    HMODULE setupapi = LoadLibraryA("setupapi.dll");
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    DeviceStackTable table{};
    resolve(table.hidGetHidGuid, hid, "HidD_GetHidGuid");
    resolve(table.setupDiGetClassDevsA, setupapi, "SetupDiGetClassDevsA");
    resolve(table.setupDiEnumDeviceInterfaces, setupapi, "SetupDiEnumDeviceInterfaces");
    resolve(table.setupDiGetDeviceInterfaceDetailA, setupapi, "SetupDiGetDeviceInterfaceDetailA");
    resolve(table.setupDiDestroyDeviceInfoList, setupapi, "SetupDiDestroyDeviceInfoList");
    resolve(table.hidGetPreparsedData, hid, "HidD_GetPreparsedData");
    resolve(table.hidFreePreparsedData, hid, "HidD_FreePreparsedData");
    resolve(table.hidGetAttributes, hid, "HidD_GetAttributes");
    resolve(table.hidpGetCaps, hid, "HidP_GetCaps");
    resolve(table.hidSetFeature, hid, "HidD_SetFeature");
    resolve(table.hidGetFeature, hid, "HidD_GetFeature");
    resolve(table.hidGetManufacturerString, hid, "HidD_GetManufacturerString");
    resolve(table.hidGetIndexedString, hid, "HidD_GetIndexedString");
    resolve(table.createFileA, kernel32, "CreateFileA");
    resolve(table.closeHandle, kernel32, "CloseHandle");
    resolve(table.duplicateHandle, kernel32, "DuplicateHandle");
    resolve(table.readFileEx, kernel32, "ReadFileEx");
    resolve(table.cancelIo, kernel32, "CancelIo");
    resolve(table.sleepEx, kernel32, "SleepEx");
    return table;
}

// Reader threads call through the table too, so the switch is atomic.
std::atomic<const DeviceStackTable*> replacement{nullptr};

}  // namespace

const DeviceStackTable& systemDeviceStackTable() {
    // The modules stay loaded for the life of the process, like the library itself.
    static const DeviceStackTable table = loadSystemTable();
    return table;
}

const DeviceStackTable& activeDeviceStackTable() {
    const DeviceStackTable* table = replacement.load();
    return table ? *table : systemDeviceStackTable();
}

void replaceDeviceStackTable(const DeviceStackTable* table) {
    replacement.store(table);
}

}  // namespace keylink::win32
