#include "keylink/win32/notification_window.h"

#include <dbt.h>

#include <array>
#include <cstring>

#include "common/little_endian.h"
#include "keylink/device_change.h"
#include "keylink/win32/device_stack_table.h"

namespace keylink::win32 {

static_assert(sizeof(DEV_BROADCAST_DEVICEINTERFACE_A) == 32);
static_assert(offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name) == dbt::InterfaceNameOffset);

namespace {

constexpr char FilterName[] = "CHIDKBD";
// The filter's stated size is that of the structure, but its name needs room past it.
constexpr std::size_t FilterBytes = dbt::InterfaceNameOffset + sizeof FilterName;

bool isNtFamily() {
    return (GetVersion() & 0x80000000u) == 0;
}

struct alignas(DEV_BROADCAST_DEVICEINTERFACE_A) InterfaceFilter {
    std::array<std::uint8_t, FilterBytes> bytes{};
};

InterfaceFilter hidInterfaceFilter() {
    InterfaceFilter filter;
    auto& bytes = filter.bytes;
    common::writeLe32(bytes, 0, sizeof(DEV_BROADCAST_DEVICEINTERFACE_A));
    common::writeLe32(bytes, dbt::DeviceTypeOffset, DBT_DEVTYP_DEVICEINTERFACE);
    GUID hidClass{};
    if (activeDeviceStackTable().hidGetHidGuid)
        activeDeviceStackTable().hidGetHidGuid(&hidClass);
    common::writeLe32(bytes, dbt::InterfaceClassOffset, hidClass.Data1);
    common::writeLe16(bytes, dbt::InterfaceClassOffset + 4, hidClass.Data2);
    common::writeLe16(bytes, dbt::InterfaceClassOffset + 6, hidClass.Data3);
    std::memcpy(bytes.data() + dbt::InterfaceClassOffset + 8, hidClass.Data4, 8);
    std::memcpy(bytes.data() + dbt::InterfaceNameOffset, FilterName, sizeof FilterName);
    return filter;
}

}  // namespace

HINSTANCE thisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&thisModule), &module);
    return module;
}

NotificationWindow::~NotificationWindow() {
    if (interfaceRegistration_)
        UnregisterDeviceNotification(interfaceRegistration_);
}

void NotificationWindow::createOnce(WNDPROC procedure) {
    if (created_)
        return;
    created_ = true;

    // The class and window are ANSI so that removal broadcasts carry the 8-bit interface name.
    WNDCLASSA windowClass{};
    windowClass.style = CS_PARENTDC;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = thisModule();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = NotificationClassName;
    if (!RegisterClassA(&windowClass))
        return;

    window_ = CreateWindowExA(0, NotificationClassName, NotificationWindowTitle, WS_POPUP, 0, 0, 0,
                              0, nullptr, nullptr, thisModule(), nullptr);
    if (!window_)
        return;
    ShowWindow(window_, SW_HIDE);
    registerForHidInterfaces();
}

void NotificationWindow::registerForHidInterfaces() {
    InterfaceFilter filter = hidInterfaceFilter();
    // Systems outside the NT family get the filter prepared but never registered.
    if (!isNtFamily())
        return;
    interfaceRegistration_ =
        RegisterDeviceNotificationA(window_, filter.bytes.data(), DEVICE_NOTIFY_WINDOW_HANDLE);
}

}  // namespace keylink::win32
