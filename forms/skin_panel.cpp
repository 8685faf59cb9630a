#include "forms/skin_panel.h"

#include "forms/plain_look.h"

namespace forms {

SkinPanel::SkinPanel(Form& form, std::string name, const Args& args)
    : Control(form, std::move(name),
              {args.bounds, args.hint, args.visible, args.enabled, args.showHint}, args.parent),
      skinElement_(args.skinElement),
      popupMenu_(args.popupMenu) {}

void SkinPanel::setSkinElement(std::string element) {
    skinElement_ = std::move(element);
    redraw();
}

void SkinPanel::paint(Canvas& canvas, const PaintContext& context) const {
    // A panel is never drawn pressed or hovered: those looks belong to buttons.
    const VisualState state =
        context.state == VisualState::Disabled ? VisualState::Disabled : VisualState::Normal;
    paintFace(canvas, context.skin.find(skinElement_), state, {0, 0, width(), height()});
}

}  // namespace forms
