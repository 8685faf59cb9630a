#include "wine_test_support.h"

#include <cwchar>

#include "common/messages.h"

namespace rawtap::testing {

namespace {

constexpr wchar_t OwnerClassName[] = L"RawtapTestOwner";

void registerOwnerClass(WNDPROC procedure) {
    WNDCLASSW ownerClass{};
    ownerClass.lpfnWndProc = procedure;
    ownerClass.hInstance = GetModuleHandleW(nullptr);
    ownerClass.lpszClassName = OwnerClassName;
    RegisterClassW(&ownerClass);  // already there for every owner after the first
}

std::vector<std::uint8_t> copyOf(WPARAM address, std::size_t size) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(address);
    return std::vector<std::uint8_t>(bytes, bytes + size);
}

BOOL CALLBACK recordIfMessageBoxOfThisProcess(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    DWORD process = 0;
    GetClassNameW(window, className, 16);
    GetWindowThreadProcessId(window, &process);
    if (wcscmp(className, L"#32770") != 0 || process != GetCurrentProcessId() ||
        !IsWindowVisible(window)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND visibleMessageBoxOfThisProcess() {
    HWND found = nullptr;
    EnumWindows(recordIfMessageBoxOfThisProcess, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

RecordingOwnerWindow::RecordingOwnerWindow() {
    registerOwnerClass(procedure);
    window_ = CreateWindowExW(0, OwnerClassName, L"owner", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

RecordingOwnerWindow::~RecordingOwnerWindow() {
    DestroyWindow(window_);
}

std::uint32_t RecordingOwnerWindow::handleValue() const {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window_));
}

LRESULT CALLBACK RecordingOwnerWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    auto* self = reinterpret_cast<RecordingOwnerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr &&
        (message == common::RawReportMessage || message == common::RawKeyMessage)) {
        ReceivedMessage received;
        received.message = message;
        received.wParam = wParam;
        received.lParam = lParam;
        if (message == common::RawReportMessage) {
            received.info = copyOf(wParam, 32);
            received.report = copyOf(static_cast<WPARAM>(lParam), 8);
        }
        self->received.push_back(std::move(received));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

InputErrorBoxWatcher::InputErrorBoxWatcher() : thread_([this] { watch(); }) {}

InputErrorBoxWatcher::~InputErrorBoxWatcher() {
    stopping_ = true;
    thread_.join();
}

std::vector<InputErrorBoxWatcher::SeenBox> InputErrorBoxWatcher::seen() const {
    const std::lock_guard guard(lock_);
    return seen_;
}

void InputErrorBoxWatcher::watch() {
    while (!stopping_) {
        if (const HWND box = visibleMessageBoxOfThisProcess()) {
            wchar_t caption[64] = {};
            wchar_t text[64] = {};
            GetWindowTextW(box, caption, 64);
            // 0xFFFF is the message box's text control.
            GetDlgItemTextW(box, 0xFFFF, text, 64);
            {
                const std::lock_guard guard(lock_);
                seen_.push_back({caption, text, GetWindow(box, GW_OWNER)});
            }
            SendMessageW(box, WM_COMMAND, IDOK, 0);
            // Wait for the box to go, so that it is seen once.
            for (int i = 0; i < 1000 && IsWindow(box); ++i)
                Sleep(5);
        }
        Sleep(5);
    }
}

}  // namespace rawtap::testing
