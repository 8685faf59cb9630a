#include "forms/popup_menu.h"

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

PopupMenu::PopupMenu(Form& form, std::string name, const Args& args)
    : Component(form, std::move(name)), ownerDraw_(args.ownerDraw), autoPopup_(args.autoPopup) {}

MenuItem& PopupMenu::add(std::string name, const MenuItem::Args& args) {
    items_.push_back(std::make_unique<MenuItem>(std::move(name), args));
    return *items_.back();
}

MenuItem& PopupMenu::replace(int position, std::string name, const MenuItem::Args& args) {
    if (position < 0 || position >= count())
        return add(std::move(name), args);
    auto& slot = items_[static_cast<std::size_t>(position)];
    slot = std::make_unique<MenuItem>(std::move(name), args);
    return *slot;
}

MenuItem* PopupMenu::find(std::string_view name) const {
    for (const auto& item : items_) {
        if (item->name() == name)
            return item.get();
    }
    return nullptr;
}

int PopupMenu::positionOf(const MenuItem& item) const {
    for (int i = 0; i < count(); ++i) {
        if (items_[static_cast<std::size_t>(i)].get() == &item)
            return i;
    }
    return -1;
}

void PopupMenu::popup(Point screen) {
    // The menu takes the mouse: a drag in progress on any form ends here.
    form().application().releaseMouseCapture();
    MenuItem* chosen = form().application().backend().trackPopupMenu(*this, screen);
    if (chosen == nullptr || !chosen->enabled() || !chosen->onClick)
        return;
    // The handler may replace the item it belongs to; it runs from a copy.
    const Handler click = chosen->onClick;
    click();
}

}  // namespace forms
