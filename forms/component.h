#pragma once
// Components are owned by their form and found there by name. Controls are the visible ones:
// they have bounds within their parent (another control or the form's client area), can be
// shown, hidden, enabled and disabled, carry a hint, paint themselves on a canvas from the skin
// and receive mouse events.

#include <string>
#include <string_view>

#include "forms/canvas.h"
#include "forms/events.h"
#include "forms/skin.h"

namespace forms {

class Form;

class Component {
  public:
    Component(Form& form, std::string name) : form_(form), name_(std::move(name)) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& name() const { return name_; }
    Form& form() const { return form_; }

    // Called once the form has been built, its skin and pictures loaded, before its creation
    // handler runs; and before the form is destroyed.
    virtual void formCreated() {}
    virtual void formDestroying() {}

  private:
    Form& form_;
    std::string name_;
};

struct PaintContext {
    const Skin& skin;
    VisualState state = VisualState::Normal;
    bool focused = false;
};

// The properties every control shares, used by each kind's creation arguments.
struct ControlBase {
    Rect bounds;
    std::u16string hint;
    bool visible = true;
    bool enabled = true;
    bool showHint = true;
};

class Control : public Component, public MouseEvents {
  public:
    Control(Form& form, std::string name, const ControlBase& base, Control* parent);

    Control* parent() const { return parent_; }
    const Rect& bounds() const { return bounds_; }
    void setBounds(Rect bounds);
    void moveTo(Point topLeft) { setBounds({topLeft.x, topLeft.y, bounds_.width, bounds_.height}); }
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    const std::u16string& hint() const { return hint_; }
    void setHint(std::u16string hint);
    bool showHint() const { return showHint_; }

    // Visible with all its parents.
    bool showing() const;
    // The control's top-left corner in the form's client coordinates.
    Point clientOrigin() const;

    // Windowed controls (buttons, panels, lists, ...) always lie above the graphic ones
    // (labels, pictures, paint boxes) of the same parent, as in the form framework.
    virtual bool windowed() const = 0;
    // Whether the control takes the keyboard focus when pressed.
    virtual bool focusable() const { return false; }
    virtual void paint(Canvas& canvas, const PaintContext& context) const = 0;
    // Repaints the control (and whatever it overlaps) the next time the window is drawn.
    void redraw() const;

    // Mouse input as the form routes it: coordinates are the control's own. Controls with
    // behaviour of their own (a scroll bar, a spin edit) extend these; the events follow.
    virtual void mouseDown(const MouseEvent& e);
    virtual void mouseMove(const MouseEvent& e);
    virtual void mouseUp(const MouseEvent& e);
    // Keyboard input while the control has the focus, and the end of the focus.
    virtual void keyChar(char16_t) {}
    virtual void focusLost() {}

  private:
    Control* parent_;
    Rect bounds_;
    std::u16string hint_;
    bool visible_;
    bool enabled_;
    bool showHint_;
};

}  // namespace forms
