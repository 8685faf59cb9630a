#pragma once
// What the Wine suites share: an owner window that copies what Rawtap sends while it handles
// the message, a message pump with a deadline, and a watcher for the "Input Error" box.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace rawtap::testing {

struct ReceivedMessage {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    // For a raw report, the two blocks as they were while the owner handled the message.
    std::vector<std::uint8_t> info;
    std::vector<std::uint8_t> report;
};

class RecordingOwnerWindow {
  public:
    RecordingOwnerWindow();
    ~RecordingOwnerWindow();
    RecordingOwnerWindow(const RecordingOwnerWindow&) = delete;
    RecordingOwnerWindow& operator=(const RecordingOwnerWindow&) = delete;

    HWND window() const { return window_; }
    std::uint32_t handleValue() const;

    std::vector<ReceivedMessage> received;

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
};

// Dispatches this thread's messages until the condition holds or the deadline passes.
bool pumpUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds deadline = std::chrono::seconds(10));

// Watches, on a thread of its own, for message boxes of this process, whatever their caption,
// records their caption, text and owner and closes them with OK, so that a modal box never
// stalls a test, not even one with the wrong caption.
class InputErrorBoxWatcher {
  public:
    struct SeenBox {
        std::wstring caption;
        std::wstring text;
        HWND owner;
    };

    InputErrorBoxWatcher();
    ~InputErrorBoxWatcher();
    InputErrorBoxWatcher(const InputErrorBoxWatcher&) = delete;
    InputErrorBoxWatcher& operator=(const InputErrorBoxWatcher&) = delete;

    // The boxes closed so far; safe to call once the box's modal loop has returned.
    std::vector<SeenBox> seen() const;

  private:
    void watch();

    std::atomic<bool> stopping_{false};
    mutable std::mutex lock_;
    std::vector<SeenBox> seen_;
    std::thread thread_;
};

}  // namespace rawtap::testing
