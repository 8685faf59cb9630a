#include "forms/component.h"

#include "forms/form.h"

namespace forms {

Control::Control(Form& form, std::string name, const ControlBase& base, Control* parent)
    : Component(form, std::move(name)),
      parent_(parent),
      bounds_(base.bounds),
      hint_(base.hint),
      visible_(base.visible),
      enabled_(base.enabled),
      showHint_(base.showHint) {}

void Control::setBounds(Rect bounds) {
    if (bounds == bounds_)
        return;
    redraw();
    bounds_ = bounds;
    redraw();
}

void Control::setVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    form().controlChanged(*this);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    form().controlChanged(*this);
}

void Control::setHint(std::u16string hint) {
    hint_ = std::move(hint);
    form().controlChanged(*this);
}

bool Control::showing() const {
    for (const Control* c = this; c != nullptr; c = c->parent()) {
        if (!c->visible())
            return false;
    }
    return true;
}

Point Control::clientOrigin() const {
    Point origin;
    for (const Control* c = this; c != nullptr; c = c->parent()) {
        origin.x += c->left();
        origin.y += c->top();
    }
    return origin;
}

void Control::redraw() const {
    form().invalidate();
}

void Control::mouseDown(const MouseEvent& e) {
    if (onMouseDown)
        onMouseDown(e);
}

void Control::mouseMove(const MouseEvent& e) {
    if (onMouseMove)
        onMouseMove(e);
}

void Control::mouseUp(const MouseEvent& e) {
    if (onMouseUp)
        onMouseUp(e);
}

}  // namespace forms
