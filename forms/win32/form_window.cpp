#include "forms/win32/form_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include "forms/application.h"
#include "forms/win32/gdi_canvas.h"
#include "forms/win32/wide_text.h"
#include "forms/win32/win32_backend.h"

namespace forms::win32 {

namespace {

ShiftState shiftOf(WPARAM keys) {
    ShiftState shift;
    shift.shift = (keys & MK_SHIFT) != 0;
    shift.control = (keys & MK_CONTROL) != 0;
    shift.alt = GetKeyState(VK_MENU) < 0;
    shift.left = (keys & MK_LBUTTON) != 0;
    shift.right = (keys & MK_RBUTTON) != 0;
    shift.middle = (keys & MK_MBUTTON) != 0;
    return shift;
}

}  // namespace

FormWindow::FormWindow(Win32Backend& backend, Form& form) : backend_(backend), form_(form) {
    const Rect outer = form.outerBounds();
    const std::wstring className =
        wide(std::u16string(form.className().begin(), form.className().end()));
    const std::wstring caption = wide(form.caption());
    // Forms draw their own frame. The first form stands for the program on the taskbar; the
    // others belong to it and stay above it.
    HWND owner = backend.ownerFor(form);
    const DWORD style = WS_POPUP | WS_CLIPCHILDREN | (form.acceptsInput() ? 0 : WS_DISABLED);
    const DWORD exStyle = owner == nullptr ? WS_EX_APPWINDOW : 0;
    HWND created =
        CreateWindowExW(exStyle, className.c_str(), caption.c_str(), style, outer.left, outer.top,
                        outer.width, outer.height, owner, nullptr, backend.instance(), this);
    window_.reset(created);
    if (created == nullptr)
        return;
    backend.windowCreated(*this, form);
    createTooltip();
}

FormWindow::~FormWindow() {
    backend_.windowDestroyed(form_);
    tooltip_.reset();
    if (window_)
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void FormWindow::createTooltip() {
    tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.get(),
                                   nullptr, backend_.instance(), nullptr));
    if (!tooltip_)
        return;
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_.get();
    tool.uId = reinterpret_cast<UINT_PTR>(window_.get());
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_.get(), TTM_ACTIVATE, FALSE, 0);
    useHintFont(backend_.hintFont());
}

void FormWindow::useHintFont(HFONT font) {
    if (tooltip_)
        SendMessageW(tooltip_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void FormWindow::setVisible(bool visible) {
    ShowWindow(window_.get(), visible ? SW_SHOW : SW_HIDE);
    if (visible)
        UpdateWindow(window_.get());
}

void FormWindow::setEnabled(bool enabled) {
    EnableWindow(window_.get(), enabled ? TRUE : FALSE);
}

void FormWindow::setBounds(Rect outer) {
    settingBounds_ = true;
    SetWindowPos(window_.get(), nullptr, outer.left, outer.top, outer.width, outer.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    settingBounds_ = false;
}

void FormWindow::setCaption(const std::u16string& caption) {
    SetWindowTextW(window_.get(), wide(caption).c_str());
}

void FormWindow::bringToFront() {
    SetWindowPos(window_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window_.get());
}

void FormWindow::minimise() {
    ShowWindow(window_.get(), SW_MINIMIZE);
}

void FormWindow::invalidate() {
    InvalidateRect(window_.get(), nullptr, FALSE);
}

void FormWindow::captureMouse() {
    SetCapture(window_.get());
}

void FormWindow::releaseMouse() {
    if (GetCapture() == window_.get())
        ReleaseCapture();
}

void FormWindow::takeFocus() {
    if (IsWindowVisible(window_.get()) && IsWindowEnabled(window_.get()))
        SetFocus(window_.get());
}

void FormWindow::showHint(const std::u16string& hint) {
    if (!tooltip_)
        return;
    std::wstring text = wide(hint);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = window_.get();
    tool.uId = reinterpret_cast<UINT_PTR>(window_.get());
    tool.lpszText = text.data();
    SendMessageW(tooltip_.get(), TTM_POP, 0, 0);
    SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_.get(), TTM_ACTIVATE, text.empty() ? FALSE : TRUE, 0);
}

Point FormWindow::clientPointOf(LPARAM lParam) const {
    const Point offset = form_.clientOffset();
    return {GET_X_LPARAM(lParam) - offset.x, GET_Y_LPARAM(lParam) - offset.y};
}

void FormWindow::trackLeave() {
    if (trackingLeave_)
        return;
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window_.get(), 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
}

void FormWindow::paint() {
    const PaintDc target(window_.get());
    RECT client{};
    GetClientRect(window_.get(), &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    const UniqueMemoryDc memory(CreateCompatibleDC(target.get()));
    const UniqueBitmap buffer(CreateCompatibleBitmap(target.get(), width, height));
    if (!memory || !buffer)
        return;
    {
        const Selection selected(memory.get(), buffer.get());
        GdiCanvas canvas(memory.get(), backend_.fonts());
        form_.paint(canvas);
        BitBlt(target.get(), 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
    }
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || !self->window_)
        return DefWindowProcW(window, message, wParam, lParam);
    // Exceptions must not cross the system's frames: one that escapes a handler is shown, and
    // the program goes on.
    try {
        return self->handle(message, wParam, lParam);
    } catch (const std::exception& error) {
        self->form_.application().showException(error);
        return 0;
    }
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_.get();
    if (message == backend_.taskbarCreatedMessage() && message != 0) {
        backend_.taskbarCreated(form_);
    }
    Message received{message, wParam, lParam, 0};
    if (form_.dispatchMessage(received))
        return received.result;

    switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST: {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(window, &p);
            // The caption bar moves the window, as a title bar does; its boxes are pressed.
            if (p.y >= 0 && p.y < form_.clientOffset().y && p.x >= 0 &&
                form_.captionBoxAt({p.x, p.y}) == CaptionBox::None)
                return HTCAPTION;
            return HTCLIENT;
        }
        case WM_WINDOWPOSCHANGED: {
            const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (!settingBounds_ && (position->flags & SWP_NOMOVE) == 0) {
                form_.windowMoved({position->x, position->y});
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            form_.mouseDown(message == WM_LBUTTONDOWN   ? MouseButton::Left
                            : message == WM_RBUTTONDOWN ? MouseButton::Right
                                                        : MouseButton::Middle,
                            shiftOf(wParam), clientPointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            form_.mouseUp(message == WM_LBUTTONUP   ? MouseButton::Left
                          : message == WM_RBUTTONUP ? MouseButton::Right
                                                    : MouseButton::Middle,
                          shiftOf(wParam), clientPointOf(lParam));
            return 0;
        case WM_MOUSEMOVE:
            trackLeave();
            form_.mouseMove(shiftOf(wParam), clientPointOf(lParam));
            return 0;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            if (!form_.mouseCaptured())
                form_.mouseLeave();
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window)
                form_.captureLost();
            return 0;
        case WM_CHAR:
            form_.keyChar(static_cast<char16_t>(wParam));
            return 0;
        case WM_CLOSE:
            form_.systemClose();
            return 0;
        case WM_TIMER:
            backend_.timerFired(wParam);
            return 0;
        case WM_MEASUREITEM:
            if (backend_.measureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_DRAWITEM:
            if (backend_.drawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case TrayCallbackMessage:
            backend_.trayNotification(static_cast<UINT>(wParam), lParam);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace forms::win32
