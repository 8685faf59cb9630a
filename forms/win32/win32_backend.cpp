#include "forms/win32/win32_backend.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "forms/file_dialog.h"
#include "forms/popup_menu.h"
#include "forms/timer.h"
#include "forms/tray_icon.h"
#include "forms/win32/form_window.h"
#include "forms/win32/gdi_canvas.h"
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
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return std::filesystem::path(std::wstring(path.data(), length)).parent_path();
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

// "Description|pattern|..." as the dialogs want it: parts ended by zeros, the list by two.
std::wstring dialogFilter(const std::u16string& filter) {
    std::wstring parts = wide(filter);
    std::replace(parts.begin(), parts.end(), L'|', L'\0');
    parts.push_back(L'\0');
    parts.push_back(L'\0');
    return parts;
}

std::wstring expanded(const std::u16string& text) {
    const std::wstring raw = wide(text);
    const DWORD needed = ExpandEnvironmentStringsW(raw.c_str(), nullptr, 0);
    if (needed == 0) return raw;
    std::wstring result(needed, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(raw.c_str(), result.data(), needed);
    if (written == 0 || written > needed) return raw;
    result.resize(written - 1);
    return result;
}

// An icon of the picture: all of it opaque.
UniqueIcon iconOf(const Bitmap& picture) {
    if (picture.empty()) return {};
    const WindowDc screen(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width();
    info.bmiHeader.biHeight = -picture.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap colour(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    UniqueBitmap mask(CreateBitmap(picture.width(), picture.height(), 1, 1, nullptr));
    if (!colour || !mask || bits == nullptr) return {};
    auto* pixel = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = picture.at(x, y);
            *pixel++ = c.blue;
            *pixel++ = c.green;
            *pixel++ = c.red;
            *pixel++ = 0xFF;
        }
    }
    // The mask is all zero bits: every pixel of the colour picture is drawn.
    const UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    {
        const Selection selected(dc.get(), mask.get());
        PatBlt(dc.get(), 0, 0, picture.width(), picture.height(), BLACKNESS);
    }
    ICONINFO icon{TRUE, 0, 0, mask.get(), colour.get()};
    return UniqueIcon(CreateIconIndirect(&icon));
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
    applicationWindow_.reset(CreateWindowExW(0, ApplicationClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                             0, 0, 0, 0, nullptr, nullptr, instance_, nullptr));
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
    if (registeredClasses_.contains(className)) return;
    const std::wstring name = wide(std::u16string(className.begin(), className.end()));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = FormWindow::procedure;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name.c_str();
    if (RegisterClassExW(&windowClass) != 0) registeredClasses_.insert(className);
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
    if (found == windows_.end()) return;
    formsByWindow_.erase(found->second->handle());
    windows_.erase(found);
}

HWND Win32Backend::windowOf(const Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second->handle();
}

HWND Win32Backend::ownerFor(const Form& form) const {
    for (Form* first : form.application().forms()) {
        if (first == &form) return nullptr;
        if (HWND window = windowOf(*first)) return window;
    }
    return nullptr;
}

Rect Win32Backend::screenArea() const {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Backend::setApplicationTitle(const std::u16string& title) {
    SetWindowTextW(applicationWindow_.get(), wide(title).c_str());
}

void Win32Backend::setHintFont(const Font& font) { hintFont_ = font; }

// Timers

void Win32Backend::startTimer(Timer& timer) {
    HWND window = windowOf(timer.form());
    if (window == nullptr) return;
    const UINT_PTR id = nextTimerId_++;
    if (SetTimer(window, id, timer.interval(), nullptr) == 0) return;
    timers_[id] = &timer;
    timerIds_[&timer] = id;
}

void Win32Backend::stopTimer(Timer& timer) {
    const auto found = timerIds_.find(&timer);
    if (found == timerIds_.end()) return;
    if (HWND window = windowOf(timer.form())) KillTimer(window, found->second);
    timers_.erase(found->second);
    timerIds_.erase(found);
}

void Win32Backend::timerFired(UINT_PTR id) {
    // A tick already queued for a timer that was stopped meanwhile finds no timer.
    const auto found = timers_.find(id);
    if (found != timers_.end()) found->second->tick();
}

// Message loops

bool Win32Backend::pumpMessage(Application& application) {
    MSG msg{};
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) return false;
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

void Win32Backend::terminate() { PostQuitMessage(0); }

void Win32Backend::postMessage(Form& form, const Message& message) {
    if (HWND window = windowOf(form)) {
        PostMessageW(window, message.number, message.wParam, message.lParam);
    }
}

// Menus

MenuItem* Win32Backend::trackPopupMenu(PopupMenu& menu, Point screen) {
    HWND owner = windowOf(menu.form());
    if (owner == nullptr || menu.count() == 0) return nullptr;
    const UniqueMenu popup(CreatePopupMenu());
    if (!popup) return nullptr;
    std::vector<std::wstring> captions;
    captions.reserve(static_cast<std::size_t>(menu.count()));
    for (int i = 0; i < menu.count(); ++i) {
        const MenuItem& item = menu.item(i);
        captions.push_back(wide(item.caption()));
        UINT flags = item.enabled() ? MF_ENABLED : MF_GRAYED;
        if (menu.ownerDraw()) {
            AppendMenuW(popup.get(), flags | MF_OWNERDRAW, static_cast<UINT_PTR>(i + 1),
                        reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(i)));
        } else {
            AppendMenuW(popup.get(), flags | MF_STRING, static_cast<UINT_PTR>(i + 1),
                        captions.back().c_str());
        }
    }
    // The menu's owner must be in the foreground, or the menu does not close when the user
    // clicks elsewhere.
    SetForegroundWindow(owner);
    PopupMenu* previous = std::exchange(trackedMenu_, &menu);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x,
        screen.y, 0, owner, nullptr));
    trackedMenu_ = previous;
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen == 0 || static_cast<int>(chosen) > menu.count()) return nullptr;
    return &menu.item(static_cast<int>(chosen) - 1);
}

bool Win32Backend::measureMenuItem(MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType != ODT_MENU || trackedMenu_ == nullptr) return false;
    const int index = static_cast<int>(measure.itemData);
    if (index < 0 || index >= trackedMenu_->count()) return false;
    MenuItem& item = trackedMenu_->item(index);
    const WindowDc screen(nullptr);
    GdiCanvas canvas(screen.get(), fonts_);
    // The size the system would give a text item: the caption's width and the menu height.
    const std::wstring caption = wide(item.caption());
    SIZE extent{};
    {
        const Selection font(screen.get(), fonts_.fontFor(canvas.font()));
        GetTextExtentPoint32W(screen.get(), caption.c_str(), static_cast<int>(caption.size()), &extent);
    }
    int width = extent.cx + 2 * GetSystemMetrics(SM_CXMENUCHECK);
    int height = std::max<int>(GetSystemMetrics(SM_CYMENU), extent.cy + 4);
    if (item.onMeasureItem) item.onMeasureItem(canvas, width, height);
    measure.itemWidth = static_cast<UINT>(std::max(0, width));
    measure.itemHeight = static_cast<UINT>(std::max(0, height));
    return true;
}

bool Win32Backend::drawMenuItem(const DRAWITEMSTRUCT& draw) {
    if (draw.CtlType != ODT_MENU || trackedMenu_ == nullptr) return false;
    const int index = static_cast<int>(draw.itemData);
    if (index < 0 || index >= trackedMenu_->count()) return false;
    MenuItem& item = trackedMenu_->item(index);
    GdiCanvas canvas(draw.hDC, fonts_);
    const Rect rect{draw.rcItem.left, draw.rcItem.top, draw.rcItem.right - draw.rcItem.left,
                    draw.rcItem.bottom - draw.rcItem.top};
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    if (item.onDrawItem) {
        item.onDrawItem(canvas, rect, selected);
        return true;
    }
    canvas.fillRect(rect, selected ? colours::SystemHighlight : colours::SystemWindow);
    canvas.setFont(canvas.font().withColour(selected ? colours::SystemHighlightText
                                                     : colours::SystemWindowText));
    canvas.text(rect.movedBy(4, 0), item.caption(),
                {TextFormat::Horizontal::Left, TextFormat::Vertical::Centre, false});
    return true;
}

// Dialogs

bool Win32Backend::runFileDialog(FileDialog& dialog) {
    // The programs' file-name buffer: 511 units and the terminator.
    std::vector<wchar_t> name(MaxFileNameUnits + 1, L'\0');
    if (dialog.fileName.size() <= MaxFileNameUnits) {
        std::copy(dialog.fileName.begin(), dialog.fileName.end(), name.begin());
    }
    const std::wstring filter = dialogFilter(dialog.filter);
    const std::wstring initialDir = expanded(dialog.initialDir);
    std::wstring defaultExt = wide(dialog.defaultExt);
    if (!defaultExt.empty() && defaultExt.front() == L'.') defaultExt.erase(0, 1);

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = windowOf(dialog.form());
    request.lpstrFilter = dialog.filter.empty() ? nullptr : filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = name.data();
    request.nMaxFile = static_cast<DWORD>(name.size());
    request.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    request.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    request.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (dialog.options.overwritePrompt) request.Flags |= OFN_OVERWRITEPROMPT;
    if (dialog.options.hideReadOnly) request.Flags |= OFN_HIDEREADONLY;
    if (dialog.options.enableSizing) request.Flags |= OFN_ENABLESIZING;
    if (dialog.options.fileMustExist) request.Flags |= OFN_FILEMUSTEXIST;
    if (dialog.options.pathMustExist) request.Flags |= OFN_PATHMUSTEXIST;
    const BOOL confirmed = dialog.kind() == FileDialog::Kind::Open ? GetOpenFileNameW(&request)
                                                                    : GetSaveFileNameW(&request);
    if (!confirmed) return false;
    name.back() = L'\0';
    dialog.fileName = utf16(name.data());
    return true;
}

MessageBoxAnswer Win32Backend::messageBox(Form* owner, const std::u16string& text,
                                          const std::u16string& caption, MessageBoxButtons buttons) {
    UINT type = MB_OK;
    if (buttons == MessageBoxButtons::OkCancel) type = MB_OKCANCEL;
    if (buttons == MessageBoxButtons::YesNo) type = MB_YESNO;
    const int answer = MessageBoxW(owner != nullptr ? windowOf(*owner) : nullptr,
                                   wide(text).c_str(), wide(caption).c_str(), type);
    switch (answer) {
        case IDCANCEL: return MessageBoxAnswer::Cancel;
        case IDYES: return MessageBoxAnswer::Yes;
        case IDNO: return MessageBoxAnswer::No;
        default: return MessageBoxAnswer::Ok;
    }
}

// Notification area

bool Win32Backend::sendTrayIcon(TrayIcon& icon, DWORD action) {
    HWND window = windowOf(icon.form());
    if (window == nullptr) return false;
    TrayEntry& entry = trayIcons_.try_emplace(&icon, TrayEntry{nextTrayId_++, false}).first->second;
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = window;
    data.uID = entry.id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = TrayCallbackMessage;
    const UniqueIcon picture = iconOf(icon.icon());
    data.hIcon = picture ? picture.get() : LoadIconW(nullptr, IDI_APPLICATION);
    const std::size_t tipLength = std::min<std::size_t>(icon.hint().size(), std::size(data.szTip) - 1);
    std::copy_n(icon.hint().begin(), tipLength, data.szTip);
    data.szTip[tipLength] = L'\0';
    return Shell_NotifyIconW(action, &data) != FALSE;
}

void Win32Backend::updateTrayIcon(TrayIcon& icon) {
    if (!icon.visible()) {
        removeTrayIcon(icon);
        return;
    }
    const auto found = trayIcons_.find(&icon);
    const bool added = found != trayIcons_.end() && found->second.added;
    const bool shown = sendTrayIcon(icon, added ? NIM_MODIFY : NIM_ADD);
    trayIcons_.at(&icon).added = shown || added;
}

void Win32Backend::removeTrayIcon(TrayIcon& icon) {
    const auto found = trayIcons_.find(&icon);
    if (found == trayIcons_.end() || !found->second.added) return;
    sendTrayIcon(icon, NIM_DELETE);
    found->second.added = false;
}

std::optional<UINT> Win32Backend::trayIconId(const TrayIcon& icon) const {
    const auto found = trayIcons_.find(&icon);
    if (found == trayIcons_.end() || !found->second.added) return std::nullopt;
    return found->second.id;
}

void Win32Backend::taskbarCreated(const Form& form) {
    // The new taskbar knows none of the icons: each visible one is added anew.
    for (auto& [icon, entry] : trayIcons_) {
        if (&icon->form() != &form) continue;
        entry.added = false;
        auto* shown = const_cast<TrayIcon*>(icon);
        if (shown->visible()) updateTrayIcon(*shown);
    }
}

void Win32Backend::trayNotification(UINT id, LPARAM event) {
    for (auto& [icon, entry] : trayIcons_) {
        if (entry.id != id) continue;
        auto* target = const_cast<TrayIcon*>(icon);
        POINT cursor{};
        GetCursorPos(&cursor);
        const auto mouse = static_cast<UINT>(event);
        if ((mouse == WM_LBUTTONDOWN || mouse == WM_RBUTTONDOWN) && target->onMouseDown) {
            target->onMouseDown({mouse == WM_LBUTTONDOWN ? MouseButton::Left : MouseButton::Right,
                                 {}, cursor.x, cursor.y});
        }
        if (mouse == WM_LBUTTONUP && target->onClick) target->onClick();
        return;
    }
}

}  // namespace forms::win32
