#pragma once
// The forms on Windows: one top-level window per form, whose class name is the form's class
// name, painted with GDI from the skin through a memory bitmap; window timers; message loops
// that pass every message through the application's hook; owner-drawn popup menus; the common
// file dialogs; message boxes; notification-area icons that come back with the taskbar. The
// application itself has a hidden window of class "TApplication" titled with its title.

#include <windows.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/win32/font_cache.h"
#include "forms/win32/handles.h"

namespace forms::win32 {

class FormWindow;

// The message the notification area sends to a form about its icons.
constexpr UINT TrayCallbackMessage = WM_APP + 0x101;

class Win32Backend : public Backend {
  public:
    // An empty folder stands for the folder of the running program.
    explicit Win32Backend(HINSTANCE instance, std::filesystem::path applicationFolder = {});
    ~Win32Backend() override;

    std::unique_ptr<WindowPort> createWindow(Form& form) override;
    std::filesystem::path applicationFolder() const override { return folder_; }
    Rect screenArea() const override;
    void setApplicationTitle(const std::u16string& title) override;
    void setHintFont(const Font& font) override;
    void startTimer(Timer& timer) override;
    void stopTimer(Timer& timer) override;
    void runMessageLoop(Application& application) override;
    void runModalLoop(Form& form) override;
    void terminate() override;
    void postMessage(Form& form, const Message& message) override;
    MenuItem* trackPopupMenu(PopupMenu& menu, Point screen) override;
    bool runFileDialog(FileDialog& dialog) override;
    MessageBoxAnswer messageBox(Form* owner, const std::u16string& text,
                                const std::u16string& caption, MessageBoxButtons buttons) override;
    void updateTrayIcon(TrayIcon& icon) override;
    void removeTrayIcon(TrayIcon& icon) override;

    HWND applicationWindow() const { return applicationWindow_.get(); }
    HWND windowOf(const Form& form) const;
    // The icon's number in the notification area while it is shown there.
    std::optional<UINT> trayIconId(const TrayIcon& icon) const;

    // Called by the form windows.
    HINSTANCE instance() const { return instance_; }
    FontCache& fonts() { return fonts_; }
    HFONT hintFont() { return fonts_.fontFor(hintFont_); }
    UINT taskbarCreatedMessage() const { return taskbarCreatedMessage_; }
    void windowCreated(FormWindow& window, Form& form);
    void windowDestroyed(const Form& form);
    void timerFired(UINT_PTR id);
    void trayNotification(UINT id, LPARAM event);
    void taskbarCreated(const Form& form);
    bool measureMenuItem(MEASUREITEMSTRUCT& measure);
    bool drawMenuItem(const DRAWITEMSTRUCT& draw);
    HWND ownerFor(const Form& form) const;

  private:
    struct TrayEntry {
        UINT id;
        bool added;
    };

    // Takes one message from the queue and dispatches it; false for WM_QUIT.
    bool pumpMessage(Application& application);
    void registerFormClass(const std::string& className);
    bool sendTrayIcon(TrayIcon& icon, DWORD action);

    HINSTANCE instance_;
    std::filesystem::path folder_;
    UINT taskbarCreatedMessage_;
    UniqueWindow applicationWindow_;
    FontCache fonts_;
    Font hintFont_;
    std::set<std::string> registeredClasses_;
    std::map<const Form*, FormWindow*> windows_;
    std::map<HWND, Form*> formsByWindow_;
    std::map<UINT_PTR, Timer*> timers_;
    std::map<const Timer*, UINT_PTR> timerIds_;
    UINT_PTR nextTimerId_ = 1;
    std::map<const TrayIcon*, TrayEntry> trayIcons_;
    UINT nextTrayId_ = 1;
    PopupMenu* trackedMenu_ = nullptr;
};

}  // namespace forms::win32
