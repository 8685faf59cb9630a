// How a form routes the mouse: the control under the mouse gets the press and keeps the mouse
// until the release; a click is a left press and release over the same control.

#include "forms/form.h"

#include <utility>

namespace forms {

Point Form::localPoint(const Control* target, Point client) {
    if (target == nullptr)
        return client;
    const Point origin = target->clientOrigin();
    return {client.x - origin.x, client.y - origin.y};
}

bool Form::pressCaptionBox(Point client) {
    const Point offset = clientOffset();
    const CaptionBox box = captionBoxAt({client.x + offset.x, client.y + offset.y});
    if (box == CaptionBox::None || capturing_)
        return false;
    pressedBox_ = box;
    if (window_)
        window_->captureMouse();
    invalidate();
    return true;
}

// A caption box acts when the button is released over the box that was pressed.
bool Form::releaseCaptionBox(Point client) {
    if (pressedBox_ == CaptionBox::None)
        return false;
    const CaptionBox pressed = std::exchange(pressedBox_, CaptionBox::None);
    if (window_)
        window_->releaseMouse();
    invalidate();
    const Point offset = clientOffset();
    if (captionBoxAt({client.x + offset.x, client.y + offset.y}) != pressed)
        return true;
    if (pressed == CaptionBox::Close)
        systemClose();
    else if (window_)
        window_->minimise();
    return true;
}

void Form::mouseDown(MouseButton button, ShiftState shift, Point client) {
    if (!acceptsInput() || pressedBox_ != CaptionBox::None)
        return;
    if (button == MouseButton::Left && pressCaptionBox(client))
        return;
    if (!capturing_) {
        Control* pressed = controlAt(client);
        // The focus moves first: activating the window may cancel a capture taken before.
        if (pressed != nullptr && pressed->focusable())
            setFocus(pressed);
        captured_ = pressed;
        capturing_ = true;
        capturedButton_ = button;
        captureOverTarget_ = true;
        if (window_)
            window_->captureMouse();
    }
    Control* target = captured_;
    updateHover(controlAt(client));
    const Point local = localPoint(target, client);
    const MouseEvent event{button, shift, local.x, local.y};
    if (target != nullptr)
        target->mouseDown(event);
    else if (onMouseDown)
        onMouseDown(event);
}

void Form::mouseMove(ShiftState shift, Point client) {
    if (!acceptsInput() || pressedBox_ != CaptionBox::None)
        return;
    Control* under = controlAt(client);
    Control* target = capturing_ ? captured_ : under;
    if (capturing_) {
        const bool over = under == captured_;
        if (over != captureOverTarget_)
            invalidate();
        captureOverTarget_ = over;
    }
    updateHover(under);
    const Point local = localPoint(target, client);
    const MouseEvent event{MouseButton::None, shift, local.x, local.y};
    if (target != nullptr)
        target->mouseMove(event);
    else if (onMouseMove)
        onMouseMove(event);
}

void Form::mouseUp(MouseButton button, ShiftState shift, Point client) {
    if (!acceptsInput())
        return;
    if (button == MouseButton::Left && releaseCaptionBox(client))
        return;
    const bool wasCapturing = capturing_;
    Control* target = wasCapturing ? captured_ : controlAt(client);
    const bool clicked = wasCapturing && button == MouseButton::Left &&
                         capturedButton_ == MouseButton::Left && controlAt(client) == target;
    if (wasCapturing && button == capturedButton_)
        releaseCapture();
    const Point local = localPoint(target, client);
    const MouseEvent event{button, shift, local.x, local.y};
    // As in the form framework: the click first, then the mouse-up.
    if (target != nullptr) {
        if (clicked && target->enabled() && target->onClick)
            target->onClick();
        target->mouseUp(event);
    } else {
        if (clicked && onClick)
            onClick();
        if (onMouseUp)
            onMouseUp(event);
    }
    invalidate();
}

void Form::mouseLeave() {
    updateHover(nullptr);
}

void Form::releaseCapture() {
    if (!capturing_)
        return;
    capturing_ = false;
    captured_ = nullptr;
    capturedButton_ = MouseButton::None;
    if (window_)
        window_->releaseMouse();
    invalidate();
}

void Form::captureLost() {
    pressedBox_ = CaptionBox::None;
    if (!capturing_)
        return;
    Control* target = captured_;
    capturing_ = false;
    captured_ = nullptr;
    capturedButton_ = MouseButton::None;
    invalidate();
    notifyCaptureLost(target);
}

void Form::cancelMouseCapture() {
    if (pressedBox_ != CaptionBox::None) {
        pressedBox_ = CaptionBox::None;
        if (window_)
            window_->releaseMouse();
        invalidate();
    }
    if (!capturing_)
        return;
    Control* target = captured_;
    releaseCapture();
    notifyCaptureLost(target);
}

void Form::notifyCaptureLost(Control* target) {
    if (target != nullptr) {
        if (target->onCaptureLost)
            target->onCaptureLost();
    } else if (onCaptureLost) {
        onCaptureLost();
    }
}

void Form::updateHover(Control* hovered) {
    if (hovered == hovered_)
        return;
    hovered_ = hovered;
    invalidate();
    if (!window_)
        return;
    window_->showHint(hovered != nullptr && hovered->showHint() ? hovered->hint() : u"");
}

}  // namespace forms
