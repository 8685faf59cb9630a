#include "forms/skin_button.h"

#include "forms/plain_look.h"

namespace forms {

SkinButton::SkinButton(Form& form, std::string name, const Args& args)
    : Control(form, std::move(name),
              {args.bounds, args.hint, args.visible, args.enabled, args.showHint}, args.parent),
      skinElement_(args.skinElement),
      caption_(args.caption),
      font_(args.font),
      focusable_(args.focusable),
      multiLine_(args.multiLine) {}

void SkinButton::setSkinElement(std::string element) {
    skinElement_ = std::move(element);
    redraw();
}

void SkinButton::setCaption(std::u16string caption) {
    caption_ = std::move(caption);
    redraw();
}

void SkinButton::setFont(const Font& font) {
    font_ = font;
    redraw();
}

void SkinButton::setMultiLine(bool multiLine) {
    multiLine_ = multiLine;
    redraw();
}

void SkinButton::paint(Canvas& canvas, const PaintContext& context) const {
    const SkinElement* element = context.skin.find(skinElement_);
    const Rect face{0, 0, width(), height()};
    paintFace(canvas, element, context.state, face);
    if (caption_.empty())
        return;
    canvas.setFont(font_.withColour(captionColour(element, context.state, font_.colour)));
    const int pressedShift = context.state == VisualState::Down ? 1 : 0;
    canvas.text(face.shrunkBy(2).movedBy(pressedShift, pressedShift), caption_,
                {TextFormat::Horizontal::Centre, TextFormat::Vertical::Centre, multiLine_});
}

}  // namespace forms
