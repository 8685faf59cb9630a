#include "forms/label.h"

#include "forms/plain_look.h"

namespace forms {

Label::Label(Form& form, std::string name, const Args& args)
    : Control(form, std::move(name),
              {args.bounds, args.hint, args.visible, args.enabled, args.showHint}, args.parent),
      caption_(args.caption),
      font_(args.font),
      colour_(args.colour),
      transparent_(args.transparent),
      wordWrap_(args.wordWrap),
      verticallyCentred_(args.verticallyCentred),
      autoSize_(args.autoSize) {}

void Label::setCaption(std::u16string caption) {
    caption_ = std::move(caption);
    redraw();
}

void Label::setFont(const Font& font) {
    font_ = font;
    redraw();
}

void Label::setColour(Colour colour) {
    colour_ = colour;
    redraw();
}

void Label::paint(Canvas& canvas, const PaintContext& context) const {
    const Rect area{0, 0, width(), height()};
    if (!transparent_)
        canvas.fillRect(area, colour_);
    if (caption_.empty())
        return;
    const Colour text = context.state == VisualState::Disabled ? plain::DisabledText : font_.colour;
    canvas.setFont(font_.withColour(text));
    canvas.text(area, caption_,
                {TextFormat::Horizontal::Left,
                 verticallyCentred_ ? TextFormat::Vertical::Centre : TextFormat::Vertical::Top,
                 wordWrap_, !autoSize_});
}

}  // namespace forms
