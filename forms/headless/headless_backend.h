#pragma once
// The forms without windows, for tests. Time is a virtual clock: timers fire in time order
// when the test advances it, and a modal loop runs the clock on by itself until its form closes,
// so that a transfer of many ticks runs at once. Popup menus, file dialogs and message boxes
// answer from a script the test sets; every interaction is recorded.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/backend.h"
#include "forms/file_dialog.h"
#include "forms/form.h"
#include "forms/headless/recording_canvas.h"

namespace forms::headless {

// A modal loop that would wait for a user who is not there: nothing is scheduled and the form
// is still open.
class StalledModalLoop : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct WindowState {
    bool visible = false;
    bool enabled = true;
    Rect bounds;
    std::u16string caption;
    std::u16string hint;
    bool captured = false;
    bool minimised = false;
    int frontOrder = 0;  // larger is further in front
};

struct PopupRecord {
    std::string menu;
    Point screen;
    // What each item's draw handler painted, the chosen item drawn selected.
    std::vector<RecordingCanvas> itemDrawings;
    std::vector<std::pair<int, int>> itemSizes;
};

struct FileDialogRecord {
    FileDialog::Kind kind;
    std::u16string filter;
    std::u16string defaultExt;
    std::u16string initialDir;
    FileDialog::Options options;
};

struct MessageBoxRecord {
    std::u16string text;
    std::u16string caption;
    MessageBoxButtons buttons;
};

struct TrayState {
    bool shown = false;
    std::u16string hint;
};

class HeadlessBackend : public Backend {
  public:
    explicit HeadlessBackend(std::filesystem::path applicationFolder = {});
    ~HeadlessBackend() override;

    // Backend
    std::unique_ptr<WindowPort> createWindow(Form& form) override;
    std::filesystem::path applicationFolder() const override { return folder_; }
    Rect screenArea() const override { return {0, 0, 1280, 1024}; }
    void setApplicationTitle(const std::u16string& title) override { applicationTitle_ = title; }
    void setHintFont(const Font& font) override { hintFont_ = font; }
    void startTimer(Timer& timer) override;
    void stopTimer(Timer& timer) override;
    void runMessageLoop(Application& application) override;
    void runModalLoop(Form& form) override;
    void terminate() override { terminated_ = true; }
    void postMessage(Form& form, const Message& message) override;
    MenuItem* trackPopupMenu(PopupMenu& menu, Point screen) override;
    bool runFileDialog(FileDialog& dialog) override;
    MessageBoxAnswer messageBox(Form* owner, const std::u16string& text,
                                const std::u16string& caption, MessageBoxButtons buttons) override;
    void updateTrayIcon(TrayIcon& icon) override;
    void removeTrayIcon(TrayIcon& icon) override;

    // The virtual clock, in milliseconds since the backend was made.
    std::uint64_t now() const { return now_; }
    // Dispatches the posted messages, then runs the clock on by `ms`, firing timers and
    // scheduled actions in time order (messages posted meanwhile are dispatched before the
    // next timer).
    void advance(std::uint64_t ms);
    void processMessages();
    // Runs the action once, `ms` from now on the virtual clock.
    void schedule(std::uint64_t ms, std::function<void()> action);
    // Runs the action when the named form is next shown modally (at the start of its loop).
    void whenShownModally(std::string formName, std::function<void(Form&)> action);

    // Scripted answers, used in order; without one a menu is dismissed, a dialog cancelled
    // and a message box answered with its first button.
    void answerPopup(std::optional<std::string> itemName);
    void answerFileDialog(std::optional<std::u16string> fileName);
    void answerMessageBox(MessageBoxAnswer answer);

    // What happened.
    const WindowState& window(const Form& form) const;
    const std::vector<PopupRecord>& popups() const { return popups_; }
    const std::vector<FileDialogRecord>& fileDialogs() const { return fileDialogs_; }
    const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
    const TrayState& trayIcon(const TrayIcon& icon) const;
    const std::u16string& applicationTitle() const { return applicationTitle_; }
    const Font& hintFont() const { return hintFont_; }
    bool terminated() const { return terminated_; }
    bool timerRunning(const Timer& timer) const { return timers_.contains(&timer); }

    // The user's mouse on a control, at a point of its own (by default its centre).
    void press(Control& control, MouseButton button = MouseButton::Left,
               std::optional<Point> at = std::nullopt);
    void release(Control& control, MouseButton button = MouseButton::Left,
                 std::optional<Point> at = std::nullopt);
    void click(Control& control, MouseButton button = MouseButton::Left);
    // Paints the form as its window would.
    RecordingCanvas render(const Form& form) const;

    class Window;

  private:
    struct TimerEntry {
        Timer* timer;
        std::uint64_t due;
        std::uint64_t order;
    };
    struct Scheduled {
        std::uint64_t due;
        std::uint64_t order;
        std::function<void()> action;
    };

    // Fires the earliest timer or scheduled action due by `limit`; false when there is none.
    bool fireNext(std::uint64_t limit);
    std::optional<std::uint64_t> nextDue() const;

    std::filesystem::path folder_;
    std::u16string applicationTitle_;
    Font hintFont_;
    bool terminated_ = false;
    std::uint64_t now_ = 0;
    std::uint64_t order_ = 0;
    int frontCounter_ = 0;
    std::map<const Timer*, TimerEntry> timers_;
    std::vector<Scheduled> scheduled_;
    std::deque<std::pair<Form*, Message>> messages_;
    std::map<std::string, std::deque<std::function<void(Form&)>>> modalActions_;
    std::deque<std::optional<std::string>> popupAnswers_;
    std::deque<std::optional<std::u16string>> fileAnswers_;
    std::deque<MessageBoxAnswer> messageBoxAnswers_;
    std::map<const Form*, Window*> windows_;
    std::vector<PopupRecord> popups_;
    std::vector<FileDialogRecord> fileDialogs_;
    std::vector<MessageBoxRecord> messageBoxes_;
    std::map<const TrayIcon*, TrayState> trayIcons_;
};

}  // namespace forms::headless
