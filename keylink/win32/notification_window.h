#pragma once
// The library's hidden top-level window: it hears the system's device-change broadcasts and the
// readers' relayed reports, and it holds the interface-class registration for HID devices.

#include <windows.h>

namespace keylink::win32 {

constexpr char NotificationClassName[] = "HKUSBClass";
constexpr char NotificationWindowTitle[] = "HKUSBKEYMSG";

class NotificationWindow {
  public:
    NotificationWindow() = default;
    NotificationWindow(const NotificationWindow&) = delete;
    NotificationWindow& operator=(const NotificationWindow&) = delete;
    ~NotificationWindow();

    // Registers the class, creates the hidden window on the calling thread and registers it
    // for HID interface notifications. Only the first call does anything, so that a second
    // start of the library never makes a second class, window or registration.
    void createOnce(WNDPROC procedure);

    HWND handle() const { return window_; }
    HDEVNOTIFY interfaceRegistration() const { return interfaceRegistration_; }

  private:
    void registerForHidInterfaces();

    bool created_ = false;
    HWND window_ = nullptr;
    HDEVNOTIFY interfaceRegistration_ = nullptr;
};

// The instance of the module this code is linked into: the DLL, or a test program.
HINSTANCE thisModule();

}  // namespace keylink::win32
