#include "keylink/win32/notification_window.h"

#include <dbt.h>

#include "keylink/win32/interface_filter.h"

namespace keylink::win32 {

namespace {

bool isNtFamily() {
    return (GetVersion() & 0x80000000u) == 0;
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
