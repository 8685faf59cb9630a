#include "fake_keyboard_table.h"

#include <cstring>
#include <map>

namespace keylink::testing {

namespace {

using win32::HiddAttributes;
using win32::HidpCaps;
using win32::HidPreparsedData;

constexpr GUID HidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
const HDEVINFO TheDeviceSet = reinterpret_cast<HDEVINFO>(0x5E70);

enum class Device { Mouse, Keyboard };

// Which fake device each open handle and each preparsed record stands for.
std::map<HANDLE, Device> handleDevices;
std::map<HidPreparsedData, Device> preparsedDevices;
int preparsedStorage[2];

std::vector<const char*> presentPaths() {
    std::vector<const char*> paths{FakeMousePath};
    if (fakeKeyboard().keyboardPresent)
        paths.push_back(FakeKeyboardPath);
    return paths;
}

void WINAPI getHidGuid(GUID* guid) {
    *guid = HidInterfaceClass;
}

HDEVINFO WINAPI getClassDevs(const GUID* classGuid, PCSTR, HWND, DWORD flags) {
    if (!IsEqualGUID(*classGuid, HidInterfaceClass) ||
        flags != (DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {
        return INVALID_HANDLE_VALUE;
    }
    return TheDeviceSet;
}

BOOL WINAPI enumInterfaces(HDEVINFO set, PSP_DEVINFO_DATA, const GUID*, DWORD index,
                           PSP_DEVICE_INTERFACE_DATA data) {
    if (set != TheDeviceSet || data->cbSize != sizeof *data) {
        SetLastError(ERROR_INVALID_USER_BUFFER);
        return FALSE;
    }
    if (index >= presentPaths().size()) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return FALSE;
    }
    data->InterfaceClassGuid = HidInterfaceClass;
    data->Reserved = index;
    return TRUE;
}

BOOL WINAPI interfaceDetail(HDEVINFO, PSP_DEVICE_INTERFACE_DATA data,
                            PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD size, PDWORD required,
                            PSP_DEVINFO_DATA) {
    const char* path = presentPaths().at(data->Reserved);
    DWORD needed = static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) +
                                      std::strlen(path) + 1);
    if (std::strcmp(path, FakeMousePath) == 0 && fakeKeyboard().mouseDetailSize != 0)
        needed = fakeKeyboard().mouseDetailSize;
    if (required)
        *required = needed;
    if (!detail || size < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    if (detail->cbSize != sizeof *detail) {
        SetLastError(ERROR_INVALID_USER_BUFFER);
        return FALSE;
    }
    std::strcpy(detail->DevicePath, path);
    return TRUE;
}

BOOL WINAPI destroyList(HDEVINFO set) {
    return set == TheDeviceSet;
}

HANDLE WINAPI createFile(LPCSTR path, DWORD access, DWORD, LPSECURITY_ATTRIBUTES, DWORD,
                         DWORD flags, HANDLE) {
    std::lock_guard lock(fakeKeyboard().mutex);
    Device device;
    if (std::strcmp(path, FakeMousePath) == 0) {
        device = Device::Mouse;
    } else if (std::strcmp(path, FakeKeyboardPath) == 0 && fakeKeyboard().keyboardPresent) {
        device = Device::Keyboard;
    } else {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE handle;
    if ((access & GENERIC_READ) && device == Device::Keyboard &&
        !fakeKeyboard().readPipeName.empty()) {
        handle = CreateFileA(fakeKeyboard().readPipeName.c_str(), access, 0, nullptr, OPEN_EXISTING,
                             flags, nullptr);
    } else {
        handle = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    }
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return INVALID_HANDLE_VALUE;
    handleDevices[handle] = device;
    return handle;
}

BOOL WINAPI closeHandle(HANDLE handle) {
    {
        std::lock_guard lock(fakeKeyboard().mutex);
        handleDevices.erase(handle);
    }
    return CloseHandle(handle);
}

BOOLEAN WINAPI getPreparsed(HANDLE handle, HidPreparsedData* data) {
    std::lock_guard lock(fakeKeyboard().mutex);
    auto found = handleDevices.find(handle);
    if (found == handleDevices.end())
        return FALSE;
    *data = &preparsedStorage[static_cast<int>(found->second)];
    preparsedDevices[*data] = found->second;
    return TRUE;
}

BOOLEAN WINAPI freePreparsed(HidPreparsedData) {
    return TRUE;
}

BOOLEAN WINAPI getAttributes(HANDLE handle, HiddAttributes* attributes) {
    std::lock_guard lock(fakeKeyboard().mutex);
    auto found = handleDevices.find(handle);
    if (found == handleDevices.end() || attributes->size != sizeof *attributes)
        return FALSE;
    bool keyboard = found->second == Device::Keyboard;
    attributes->vendorId = keyboard ? 0x3C5A : 0x046D;
    attributes->productId = keyboard ? 0x2B17 : 0xC077;
    attributes->versionNumber = 0x0100;
    return TRUE;
}

LONG WINAPI getCaps(HidPreparsedData data, HidpCaps* caps) {
    std::lock_guard lock(fakeKeyboard().mutex);
    auto found = preparsedDevices.find(data);
    if (found == preparsedDevices.end())
        return 0xC0110001;
    *caps = {};
    bool keyboard = found->second == Device::Keyboard;
    caps->usagePage = keyboard ? 0xFF00 : 0x0001;
    caps->usage = keyboard ? 0xFF00 : 0x0002;
    caps->featureReportByteLength = keyboard ? 8 : 0;
    return win32::HidpStatusSuccess;
}

BOOLEAN WINAPI setFeature(HANDLE handle, PVOID report, ULONG length) {
    std::lock_guard lock(fakeKeyboard().mutex);
    auto found = handleDevices.find(handle);
    if (found == handleDevices.end() || found->second != Device::Keyboard)
        return FALSE;
    const auto* bytes = static_cast<const std::uint8_t*>(report);
    fakeKeyboard().featureReports.emplace_back(bytes, bytes + length);
    fakeKeyboard().events.push_back("setFeature");
    return TRUE;
}

BOOLEAN WINAPI noFeature(HANDLE, PVOID, ULONG) {
    return FALSE;
}
BOOLEAN WINAPI noString(HANDLE, PVOID, ULONG) {
    return FALSE;
}
BOOLEAN WINAPI noIndexedString(HANDLE, ULONG, PVOID, ULONG) {
    return FALSE;
}

DWORD WINAPI sleepEx(DWORD milliseconds, BOOL alertable) {
    if (!alertable) {
        std::lock_guard lock(fakeKeyboard().mutex);
        fakeKeyboard().events.push_back("pause " + std::to_string(milliseconds));
    }
    return SleepEx(milliseconds, alertable);
}

}  // namespace

FakeKeyboardState& fakeKeyboard() {
    static FakeKeyboardState state;
    return state;
}

void resetFakeKeyboard() {
    std::lock_guard lock(fakeKeyboard().mutex);
    fakeKeyboard().keyboardPresent = true;
    fakeKeyboard().events.clear();
    fakeKeyboard().featureReports.clear();
    fakeKeyboard().readPipeName.clear();
    fakeKeyboard().mouseDetailSize = 0;
}

const win32::DeviceStackTable& fakeKeyboardTable() {
    static const win32::DeviceStackTable table = [] {
        win32::DeviceStackTable t{};
        t.hidGetHidGuid = getHidGuid;
        t.setupDiGetClassDevsA = getClassDevs;
        t.setupDiEnumDeviceInterfaces = enumInterfaces;
        t.setupDiGetDeviceInterfaceDetailA = interfaceDetail;
        t.setupDiDestroyDeviceInfoList = destroyList;
        t.hidGetPreparsedData = getPreparsed;
        t.hidFreePreparsedData = freePreparsed;
        t.hidGetAttributes = getAttributes;
        t.hidpGetCaps = getCaps;
        t.hidSetFeature = setFeature;
        t.hidGetFeature = noFeature;
        t.hidGetManufacturerString = noString;
        t.hidGetIndexedString = noIndexedString;
        t.createFileA = createFile;
        t.closeHandle = closeHandle;
        t.duplicateHandle = DuplicateHandle;
        t.readFileEx = ReadFileEx;
        t.cancelIo = CancelIo;
        t.sleepEx = sleepEx;
        return t;
    }();
    return table;
}

}  // namespace keylink::testing
