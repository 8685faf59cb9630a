#pragma once
// What the forms need from the system, implemented once for Windows (forms/win32) and once
// without windows for tests (forms/headless).

#include <filesystem>
#include <memory>
#include <string>

#include "forms/events.h"
#include "forms/font.h"
#include "forms/geometry.h"

namespace forms {

class Application;
class Form;
class Timer;
class PopupMenu;
class MenuItem;
class FileDialog;
class TrayIcon;

enum class MessageBoxButtons { Ok, OkCancel, YesNo };
enum class MessageBoxAnswer { Ok, Cancel, Yes, No };

// The window of one form. Positions are screen coordinates of the window's outer top-left
// corner; the form's client area lies inside its frame.
class WindowPort {
  public:
    virtual ~WindowPort() = default;
    virtual void setVisible(bool visible) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setBounds(Rect outer) = 0;
    virtual void setCaption(const std::u16string& caption) = 0;
    virtual void bringToFront() = 0;
    virtual void minimise() = 0;
    virtual void invalidate() = 0;
    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;
    virtual void takeFocus() = 0;
    // Shows the hint of the control under the mouse; an empty text hides it.
    virtual void showHint(const std::u16string& hint) = 0;
};

class Backend {
  public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<WindowPort> createWindow(Form& form) = 0;
    virtual std::filesystem::path applicationFolder() const = 0;
    virtual Rect screenArea() const = 0;
    virtual void setApplicationTitle(const std::u16string& title) = 0;
    virtual void setHintFont(const Font& font) = 0;

    // Timers: (re)starts the timer with its interval, or stops it.
    virtual void startTimer(Timer& timer) = 0;
    virtual void stopTimer(Timer& timer) = 0;

    // Runs messages and timers until the application terminates.
    virtual void runMessageLoop(Application& application) = 0;
    // Runs messages and timers until the form is hidden or the application terminates.
    virtual void runModalLoop(Form& form) = 0;
    virtual void terminate() = 0;
    // Queues a message for the form; it passes the application's message hook first.
    virtual void postMessage(Form& form, const Message& message) = 0;

    // Interactions that run their own loop and return the user's answer.
    virtual MenuItem* trackPopupMenu(PopupMenu& menu, Point screen) = 0;
    virtual bool runFileDialog(FileDialog& dialog) = 0;
    virtual MessageBoxAnswer messageBox(Form* owner, const std::u16string& text,
                                        const std::u16string& caption,
                                        MessageBoxButtons buttons) = 0;

    // Adds, changes or removes the icon in the notification area as the tray icon says.
    virtual void updateTrayIcon(TrayIcon& icon) = 0;
    virtual void removeTrayIcon(TrayIcon& icon) = 0;
};

}  // namespace forms
