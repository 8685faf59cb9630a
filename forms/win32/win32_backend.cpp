#include "forms/win32/win32_backend.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "forms/timer.h"
#include "forms/win32/form_window.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {

namespace {

constexpr wchar_t ApplicationClass[] = L"TApplication";

LRESULT CALLBACK applicationProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

std::filesystem::path folderOfRunningProgram() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return std::filesystem::path(std::wstring(path.data(), length)).parent_path();
        if (path.size() >= 32768)
            return {};
        path.resize(path.size() * 2);
    }
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance, std::filesystem::path applicationFolder)
    : instance_(instance),
      folder_(applicationFolder.empty() ? folderOfRunningProgram() : std::move(applicationFolder)),
      taskbarCreatedMessage_(RegisterWindowMessageW(L"TaskbarCreated")) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = applicationProcedure;
    windowClass.hInstance = instance_;
    windowClass.lpszClassName = ApplicationClass;
    RegisterClassExW(&windowClass);
    // Hidden, as the application window always is here: other programs find it by its class and
    // title, the taskbar button belongs to the first form.
    applicationWindow_.reset(CreateWindowExW(0, ApplicationClass, L"",
                                             WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0,
                                             nullptr, nullptr, instance_, nullptr));
}

Win32Backend::~Win32Backend() {
    // A quit request of this application ends its loops only, not those of a later one.
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    applicationWindow_.reset();
    UnregisterClassW(ApplicationClass, instance_);
    for (const std::string& name : registeredClasses_) {
        UnregisterClassW(wide(std::u16string(name.begin(), name.end())).c_str(), instance_);
    }
}

void Win32Backend::registerFormClass(const std::string& className) {
    if (registeredClasses_.contains(className))
        return;
    const std::wstring name = wide(std::u16string(className.begin(), className.end()));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = FormWindow::procedure;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name.c_str();
    if (RegisterClassExW(&windowClass) != 0)
        registeredClasses_.insert(className);
}

std::unique_ptr<WindowPort> Win32Backend::createWindow(Form& form) {
    registerFormClass(form.className());
    return std::make_unique<FormWindow>(*this, form);
}

void Win32Backend::windowCreated(FormWindow& window, Form& form) {
    windows_[&form] = &window;
    formsByWindow_[window.handle()] = &form;
}

void Win32Backend::windowDestroyed(const Form& form) {
    const auto found = windows_.find(&form);
    if (found == windows_.end())
        return;
    formsByWindow_.erase(found->second->handle());
    windows_.erase(found);
}

HWND Win32Backend::windowOf(const Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second->handle();
}

HWND Win32Backend::ownerFor(const Form& form) const {
    for (Form* first : form.application().forms()) {
        if (first == &form)
            return nullptr;
        if (HWND window = windowOf(*first))
            return window;
    }
    return nullptr;
}

Rect Win32Backend::screenArea() const {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Backend::setApplicationTitle(const std::u16string& title) {
    SetWindowTextW(applicationWindow_.get(), wide(title).c_str());
}

void Win32Backend::setHintFont(const Font& font) {
    hintFont_ = font;
    for (const auto& [form, window] : windows_)
        window->useHintFont(hintFont());
}

// Timers

void Win32Backend::startTimer(Timer& timer) {
    HWND window = windowOf(timer.form());
    if (window == nullptr)
        return;
    const UINT_PTR id = nextTimerId_++;
    if (SetTimer(window, id, timer.interval(), nullptr) == 0)
        return;
    timers_[id] = &timer;
    timerIds_[&timer] = id;
}

void Win32Backend::stopTimer(Timer& timer) {
    const auto found = timerIds_.find(&timer);
    if (found == timerIds_.end())
        return;
    if (HWND window = windowOf(timer.form()))
        KillTimer(window, found->second);
    timers_.erase(found->second);
    timerIds_.erase(found);
}

void Win32Backend::timerFired(UINT_PTR id) {
    // A tick already queued for a timer that was stopped meanwhile finds no timer.
    const auto found = timers_.find(id);
    if (found != timers_.end())
        found->second->tick();
}

// Message loops

bool Win32Backend::pumpMessage(Application& application) {
    MSG msg{};
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1)
        return false;
    const auto target = formsByWindow_.find(msg.hwnd);
    Form* form = target == formsByWindow_.end() ? nullptr : target->second;
    Message message{msg.message, msg.wParam, msg.lParam, 0};
    bool handled = false;
    try {
        handled = application.filterMessage(message, form);
    } catch (const std::exception& error) {
        application.showException(error);
    }
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void Win32Backend::runMessageLoop(Application& application) {
    while (!application.terminated()) {
        if (!pumpMessage(application)) {
            application.terminate();
            return;
        }
    }
}

void Win32Backend::runModalLoop(Form& form) {
    Application& application = form.application();
    while (form.visible() && !application.terminated()) {
        if (!pumpMessage(application)) {
            // The quit request belongs to the outer loop too: terminating posts it again.
            application.terminate();
            return;
        }
    }
}

void Win32Backend::terminate() {
    PostQuitMessage(0);
}

void Win32Backend::postMessage(Form& form, const Message& message) {
    if (HWND window = windowOf(form)) {
        PostMessageW(window, message.number, message.wParam, message.lParam);
    }
}

}  // namespace forms::win32
