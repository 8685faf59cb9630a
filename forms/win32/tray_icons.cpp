// Icons in the taskbar's notification area.

#include "forms/win32/win32_backend.h"

#include <shellapi.h>

#include <algorithm>

#include "forms/tray_icon.h"
#include "forms/win32/bitmap_section.h"

namespace forms::win32 {

namespace {

// An icon of the picture: all of it opaque.
UniqueIcon iconOf(const Bitmap& picture) {
    if (picture.empty())
        return {};
    const WindowDc screen(nullptr);
    const UniqueBitmap colour = sectionOf(picture, screen.get(), 0xFF);
    const UniqueBitmap mask(CreateBitmap(picture.width(), picture.height(), 1, 1, nullptr));
    if (!colour || !mask)
        return {};
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

bool Win32Backend::sendTrayIcon(TrayIcon& icon, DWORD action) {
    HWND window = windowOf(icon.form());
    if (window == nullptr)
        return false;
    TrayEntry& entry = trayIcons_.try_emplace(&icon, TrayEntry{nextTrayId_++, false}).first->second;
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = window;
    data.uID = entry.id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = TrayCallbackMessage;
    const UniqueIcon picture = iconOf(icon.icon());
    data.hIcon = picture ? picture.get() : LoadIconW(nullptr, IDI_APPLICATION);
    const std::size_t tipLength =
        std::min<std::size_t>(icon.hint().size(), std::size(data.szTip) - 1);
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
    if (found == trayIcons_.end() || !found->second.added)
        return;
    sendTrayIcon(icon, NIM_DELETE);
    found->second.added = false;
}

std::optional<UINT> Win32Backend::trayIconId(const TrayIcon& icon) const {
    const auto found = trayIcons_.find(&icon);
    if (found == trayIcons_.end() || !found->second.added)
        return std::nullopt;
    return found->second.id;
}

void Win32Backend::taskbarCreated(const Form& form) {
    // The new taskbar knows none of the icons: each visible one is added anew.
    for (auto& [icon, entry] : trayIcons_) {
        if (&icon->form() != &form)
            continue;
        entry.added = false;
        auto* shown = const_cast<TrayIcon*>(icon);
        if (shown->visible())
            updateTrayIcon(*shown);
    }
}

void Win32Backend::trayNotification(UINT id, LPARAM event) {
    for (auto& [icon, entry] : trayIcons_) {
        if (entry.id != id)
            continue;
        auto* target = const_cast<TrayIcon*>(icon);
        POINT cursor{};
        GetCursorPos(&cursor);
        const auto mouse = static_cast<UINT>(event);
        if ((mouse == WM_LBUTTONDOWN || mouse == WM_RBUTTONDOWN) && target->onMouseDown) {
            target->onMouseDown({mouse == WM_LBUTTONDOWN ? MouseButton::Left : MouseButton::Right,
                                 {},
                                 cursor.x,
                                 cursor.y});
        }
        if (mouse == WM_LBUTTONUP && target->onClick)
            target->onClick();
        return;
    }
}

}  // namespace forms::win32
