#pragma once
// A popup menu of named items. Owner-drawn menus draw and measure each item through the item's
// events on a canvas; an item can be replaced by a new one at its position.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/component.h"

namespace forms {

class MenuItem {
  public:
    struct Args {
        std::u16string caption;
        bool enabled = true;
    };

    MenuItem(std::string name, const Args& args)
        : name_(std::move(name)), caption_(args.caption), enabled_(args.enabled) {}

    Handler onClick;
    std::function<void(Canvas&, Rect rect, bool selected)> onDrawItem;
    // Receives the size the menu proposes and may change it.
    std::function<void(Canvas&, int& width, int& height)> onMeasureItem;

    const std::string& name() const { return name_; }
    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string caption) { caption_ = std::move(caption); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

  private:
    std::string name_;
    std::u16string caption_;
    bool enabled_;
};

class PopupMenu : public Component {
  public:
    struct Args {
        bool ownerDraw = false;
        // When on, a right click on a control naming the menu opens it; the forms leave that to
        // the control's handlers when off.
        bool autoPopup = true;
    };

    PopupMenu(Form& form, std::string name, const Args& args);

    MenuItem& add(std::string name, const MenuItem::Args& args = {});
    // Removes the item at the position and puts a new one there; at a position past the end the
    // new item is appended.
    MenuItem& replace(int position, std::string name, const MenuItem::Args& args = {});

    int count() const { return static_cast<int>(items_.size()); }
    MenuItem& item(int position) { return *items_.at(static_cast<std::size_t>(position)); }
    const MenuItem& item(int position) const {
        return *items_.at(static_cast<std::size_t>(position));
    }
    MenuItem* find(std::string_view name) const;
    int positionOf(const MenuItem& item) const;

    bool ownerDraw() const { return ownerDraw_; }
    void setOwnerDraw(bool ownerDraw) { ownerDraw_ = ownerDraw; }
    bool autoPopup() const { return autoPopup_; }

    // Opens the menu at the screen point; the chosen item's click runs after the menu closed.
    void popup(Point screen);

  private:
    std::vector<std::unique_ptr<MenuItem>> items_;
    bool ownerDraw_;
    bool autoPopup_;
};

}  // namespace forms
