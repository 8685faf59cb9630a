#pragma once
// A radio box with a caption: checking one unchecks the others of its group on the same form.

#include <string>

#include "forms/component.h"
#include "forms/font.h"

namespace forms {

class RadioBox : public Control {
  public:
    struct Args {
        Rect bounds;
        std::string skinElement;
        std::u16string caption;
        bool checked = false;
        int group = 0;
        Font font;
        std::u16string hint;
        bool visible = true;
        bool enabled = true;
        bool showHint = false;
        Control* parent = nullptr;
    };

    RadioBox(Form& form, std::string name, const Args& args);

    bool checked() const { return checked_; }
    // Checking a box unchecks the other boxes of its group.
    void setChecked(bool checked);
    int group() const { return group_; }
    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string caption);

    bool windowed() const override { return true; }
    void paint(Canvas& canvas, const PaintContext& context) const override;
    void mouseUp(const MouseEvent& e) override;

  private:
    std::string skinElement_;
    std::u16string caption_;
    bool checked_;
    int group_;
    Font font_;
};

}  // namespace forms
