#pragma once
// A panel drawn from its skin element; other controls (a label) can lie on it.

#include <string>

#include "forms/component.h"

namespace forms {

class PopupMenu;

class SkinPanel : public Control {
  public:
    struct Args {
        Rect bounds;
        std::string skinElement;
        std::u16string hint;
        // The menu the panel names as its own; it opens only when a handler opens it.
        PopupMenu* popupMenu = nullptr;
        bool visible = true;
        bool enabled = true;
        bool showHint = true;
        Control* parent = nullptr;
    };

    SkinPanel(Form& form, std::string name, const Args& args);

    const std::string& skinElement() const { return skinElement_; }
    void setSkinElement(std::string element);
    PopupMenu* popupMenu() const { return popupMenu_; }

    bool windowed() const override { return true; }
    void paint(Canvas& canvas, const PaintContext& context) const override;

  private:
    std::string skinElement_;
    PopupMenu* popupMenu_;
};

}  // namespace forms
