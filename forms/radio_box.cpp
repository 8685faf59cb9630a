#include "forms/radio_box.h"

#include "forms/form.h"
#include "forms/plain_look.h"

namespace forms {

RadioBox::RadioBox(Form& form, std::string name, const Args& args)
    : Control(form, std::move(name),
              {args.bounds, args.hint, args.visible, args.enabled, args.showHint}, args.parent),
      skinElement_(args.skinElement),
      caption_(args.caption),
      checked_(args.checked),
      group_(args.group),
      font_(args.font) {}

void RadioBox::setChecked(bool checked) {
    if (checked) {
        for (RadioBox* other : form().componentsOf<RadioBox>()) {
            if (other != this && other->group_ == group_ && other->checked_) {
                other->checked_ = false;
                other->redraw();
            }
        }
    }
    checked_ = checked;
    redraw();
}

void RadioBox::setCaption(std::u16string caption) {
    caption_ = std::move(caption);
    redraw();
}

void RadioBox::paint(Canvas& canvas, const PaintContext& context) const {
    const SkinElement* element = context.skin.find(skinElement_);
    const int box = std::min(13, height());
    const Rect mark{0, (height() - box) / 2, box, box};
    canvas.fillRect(mark, colours::White);
    canvas.frameRect(mark, plain::Frame);
    if (checked_)
        canvas.fillRect(mark.shrunkBy(3), captionColour(element, context.state, font_.colour));
    if (caption_.empty())
        return;
    canvas.setFont(font_.withColour(captionColour(element, context.state, font_.colour)));
    canvas.text({box + 4, 0, width() - box - 4, height()}, caption_,
                {TextFormat::Horizontal::Left, TextFormat::Vertical::Centre, false});
}

void RadioBox::mouseUp(const MouseEvent& e) {
    if (e.button == MouseButton::Left && e.x >= 0 && e.y >= 0 && e.x < width() && e.y < height()) {
        setChecked(true);
    }
    Control::mouseUp(e);
}

}  // namespace forms
