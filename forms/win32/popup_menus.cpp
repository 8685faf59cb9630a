// Popup menus: the system's menu, owner-drawn through the items' own handlers.

#include "forms/win32/win32_backend.h"

#include <algorithm>
#include <string>
#include <vector>

#include "forms/popup_menu.h"
#include "forms/win32/gdi_canvas.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {

MenuItem* Win32Backend::trackPopupMenu(PopupMenu& menu, Point screen) {
    HWND owner = windowOf(menu.form());
    if (owner == nullptr || menu.count() == 0)
        return nullptr;
    const UniqueMenu popup(CreatePopupMenu());
    if (!popup)
        return nullptr;
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
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                       screen.x, screen.y, 0, owner, nullptr));
    trackedMenu_ = previous;
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen == 0 || static_cast<int>(chosen) > menu.count())
        return nullptr;
    return &menu.item(static_cast<int>(chosen) - 1);
}

bool Win32Backend::measureMenuItem(MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType != ODT_MENU || trackedMenu_ == nullptr)
        return false;
    const int index = static_cast<int>(measure.itemData);
    if (index < 0 || index >= trackedMenu_->count())
        return false;
    MenuItem& item = trackedMenu_->item(index);
    const WindowDc screen(nullptr);
    GdiCanvas canvas(screen.get(), fonts_);
    // The size the system would give a text item: the caption's width and the menu height.
    const std::wstring caption = wide(item.caption());
    SIZE extent{};
    {
        const Selection font(screen.get(), fonts_.fontFor(canvas.font()));
        GetTextExtentPoint32W(screen.get(), caption.c_str(), static_cast<int>(caption.size()),
                              &extent);
    }
    int width = extent.cx + 2 * GetSystemMetrics(SM_CXMENUCHECK);
    int height = std::max<int>(GetSystemMetrics(SM_CYMENU), extent.cy + 4);
    if (item.onMeasureItem)
        item.onMeasureItem(canvas, width, height);
    measure.itemWidth = static_cast<UINT>(std::max(0, width));
    measure.itemHeight = static_cast<UINT>(std::max(0, height));
    return true;
}

bool Win32Backend::drawMenuItem(const DRAWITEMSTRUCT& draw) {
    if (draw.CtlType != ODT_MENU || trackedMenu_ == nullptr)
        return false;
    const int index = static_cast<int>(draw.itemData);
    if (index < 0 || index >= trackedMenu_->count())
        return false;
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

}  // namespace forms::win32
