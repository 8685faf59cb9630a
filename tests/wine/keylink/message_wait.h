#pragma once
// An owner window that keeps what the library sends it, and waits for it with a deadline while
// pumping this thread's messages, so that messages sent from other threads are dispatched.

#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace keylink::testing {

constexpr std::chrono::milliseconds MessageDeadline{5000};
constexpr long long PollMilliseconds = 10;
constexpr UINT OwnerMessage = 1124;

// Pumps messages until condition holds or the deadline passes; whether it held.
inline bool pumpUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds deadline = MessageDeadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (condition())
            return true;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        // Some conditions change without a message (a pipe closing), so the wait is short.
        DWORD slice = static_cast<DWORD>(std::min<long long>(left.count(), PollMilliseconds));
        MsgWaitForMultipleObjectsEx(0, nullptr, slice, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

struct RelayedToOwner {
    WPARAM position;
    std::array<std::uint8_t, 32> report;
};

// A plain top-level window for the library to report to.
class OwnerWindow {
  public:
    OwnerWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "KeylinkTestOwner";
        RegisterClassA(&windowClass);
        handle_ = CreateWindowExA(0, windowClass.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
        SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    ~OwnerWindow() { DestroyWindow(handle_); }

    HWND handle() const { return handle_; }

    // The next found (1536) or missing (1792) message; none when neither arrives in time.
    std::optional<UINT> takePresenceMessage() {
        if (!pumpUntil([this] { return !presence_.empty(); }))
            return std::nullopt;
        UINT message = presence_.front();
        presence_.pop_front();
        return message;
    }
    // Whether a presence message has arrived, without waiting for one: used right after a
    // synchronous call that would have posted it before returning.
    bool presenceMessageArrived() {
        pumpUntil([] { return true; });
        return !presence_.empty();
    }
    const std::vector<RelayedToOwner>& relayed() const { return relayed_; }

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<OwnerWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && (message == 1536 || message == 1792)) {
            self->presence_.push_back(message);
            return 0;
        }
        if (self && message == OwnerMessage) {
            RelayedToOwner relayed{wParam, {}};
            std::memcpy(relayed.report.data(), reinterpret_cast<const void*>(lParam),
                        relayed.report.size());
            self->relayed_.push_back(relayed);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND handle_ = nullptr;
    std::deque<UINT> presence_;
    std::vector<RelayedToOwner> relayed_;
};

}  // namespace keylink::testing
