#include "forms/spin_edit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "forms/plain_look.h"

namespace forms {

SpinEdit::SpinEdit(Form& form, std::string name, const Args& args)
    : Control(form, std::move(name),
              {args.bounds, args.hint, args.visible, args.enabled, args.showHint}, args.parent),
      skinElement_(args.skinElement),
      value_(std::clamp(args.value, args.min, std::max(args.min, args.max))),
      min_(args.min),
      max_(std::max(args.min, args.max)),
      increment_(args.increment),
      decimals_(std::clamp(args.decimals, 0, 9)),
      maxLength_(args.maxLength),
      font_(args.font) {}

void SpinEdit::setValue(double value) {
    typing_ = false;
    const double clamped = std::clamp(value, min_, max_);
    if (clamped == value_) {
        redraw();
        return;
    }
    value_ = clamped;
    redraw();
    if (onChange)
        onChange();
}

void SpinEdit::setRange(double min, double max) {
    min_ = min;
    max_ = std::max(min, max);
    setValue(value_);
}

std::u16string SpinEdit::text() const {
    if (typing_)
        return typed_;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals_, value_);
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

void SpinEdit::paint(Canvas& canvas, const PaintContext& context) const {
    const SkinElement* element = context.skin.find(skinElement_);
    const Rect area{0, 0, width(), height()};
    paintFace(canvas, element,
              context.state == VisualState::Disabled ? VisualState::Disabled : VisualState::Normal,
              area);
    canvas.setFont(font_.withColour(captionColour(element, context.state, font_.colour)));
    canvas.text({3, 0, width() - ArrowWidth - 3, height()}, text(),
                {TextFormat::Horizontal::Left, TextFormat::Vertical::Centre, false});
    const int arrowLeft = width() - ArrowWidth;
    const int middle = height() / 2;
    const Colour arrow = captionColour(element, context.state, font_.colour);
    canvas.line({arrowLeft, 0}, {arrowLeft, height()}, plain::Frame);
    canvas.line({arrowLeft, middle}, {width(), middle}, plain::Frame);
    for (int i = 0; i < 3; ++i) {
        const int centre = arrowLeft + ArrowWidth / 2;
        canvas.line({centre - i, middle / 2 - 1 + i}, {centre + i + 1, middle / 2 - 1 + i}, arrow);
        canvas.line({centre - i, middle + middle / 2 + 1 - i},
                    {centre + i + 1, middle + middle / 2 + 1 - i}, arrow);
    }
}

void SpinEdit::mouseDown(const MouseEvent& e) {
    if (e.button == MouseButton::Left && e.x >= width() - ArrowWidth) {
        commitTyped();
        setValue(value_ + (e.y < height() / 2 ? increment_ : -increment_));
    }
    Control::mouseDown(e);
}

void SpinEdit::keyChar(char16_t c) {
    if (c == u'\r') {
        commitTyped();
        return;
    }
    if (!typing_) {
        typed_.clear();
        typing_ = true;
    }
    if (c == u'\b') {
        if (!typed_.empty())
            typed_.pop_back();
    } else if ((c >= u'0' && c <= u'9') || c == u'.' || (c == u'-' && typed_.empty())) {
        if (maxLength_ == 0 || static_cast<int>(typed_.size()) < maxLength_)
            typed_.push_back(c);
    }
    redraw();
}

void SpinEdit::focusLost() {
    commitTyped();
}

void SpinEdit::commitTyped() {
    if (!typing_)
        return;
    const std::string ascii(typed_.begin(), typed_.end());
    typing_ = false;
    // A field left empty or holding no number keeps its value.
    char* end = nullptr;
    const double typedValue = std::strtod(ascii.c_str(), &end);
    if (ascii.empty() || end == ascii.c_str()) {
        redraw();
        return;
    }
    setValue(typedValue);
}

}  // namespace forms
