#pragma once
// A Unicode label: a caption in a font and colour, over a background colour or transparent,
// on one line or word-wrapped.

#include <string>

#include "forms/component.h"
#include "forms/font.h"

namespace forms {

class Label : public Control {
  public:
    struct Args {
        Rect bounds;
        std::u16string caption;
        Font font;
        Colour colour = colours::SystemButtonFace;  // background, when not transparent
        bool transparent = false;
        bool wordWrap = false;
        bool verticallyCentred = false;
        // The label grows with its caption, so no part of the text is cut off.
        bool autoSize = true;
        std::u16string hint;
        bool visible = true;
        bool enabled = true;
        bool showHint = false;
        Control* parent = nullptr;
    };

    Label(Form& form, std::string name, const Args& args);

    const std::u16string& caption() const { return caption_; }
    void setCaption(std::u16string caption);
    const Font& font() const { return font_; }
    void setFont(const Font& font);
    Colour colour() const { return colour_; }
    void setColour(Colour colour);
    bool transparent() const { return transparent_; }
    bool wordWrap() const { return wordWrap_; }

    bool windowed() const override { return false; }
    void paint(Canvas& canvas, const PaintContext& context) const override;

  private:
    std::u16string caption_;
    Font font_;
    Colour colour_;
    bool transparent_;
    bool wordWrap_;
    bool verticallyCentred_;
    bool autoSize_;
};

}  // namespace forms
