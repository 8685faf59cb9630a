#pragma once
// A button drawn from its skin element; the element name is switched at run time to show a
// state ("p1button" / "p1buttonfoc").

#include <string>

#include "forms/component.h"
#include "forms/font.h"

namespace forms {

class SkinButton : public Control {
  public:
    struct Args {
        Rect bounds;
        std::string skinElement;
        std::u16string caption;
        std::u16string hint;
        Font font;
        bool focusable = true;
        bool multiLine = false;
        bool visible = true;
        bool enabled = true;
        bool showHint = false;
        Control* parent = nullptr;
    };

    SkinButton(Form& form, std::string name, const Args& args);

    const std::string& skinElement() const { return skinElement_; }
    void setSkinElement(std::string element);
    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string caption);
    // The caption's font (the skin pack's "default font" of the button).
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool multiLine);

    bool windowed() const override { return true; }
    bool focusable() const override { return focusable_; }
    void paint(Canvas& canvas, const PaintContext& context) const override;

  private:
    std::string skinElement_;
    std::u16string caption_;
    Font font_;
    bool focusable_;
    bool multiLine_;
};

}  // namespace forms
