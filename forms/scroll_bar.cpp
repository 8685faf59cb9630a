#include "forms/scroll_bar.h"

#include <algorithm>

#include "forms/plain_look.h"

namespace forms {

ScrollBar::ScrollBar(Form& form, std::string name, const Args& args)
    : Control(form, std::move(name),
              {args.bounds, args.hint, args.visible, args.enabled, args.showHint}, args.parent),
      skinElement_(args.skinElement),
      position_(0),
      max_(std::max(0, args.max)),
      pageSize_(std::max(0, args.pageSize)) {
    position_ = std::clamp(args.position, 0, maxPosition());
}

int ScrollBar::maxPosition() const {
    return pageSize_ > 0 ? std::max(0, max_ - pageSize_ + 1) : max_;
}

void ScrollBar::setPosition(int position) {
    const int clamped = std::clamp(position, 0, maxPosition());
    if (clamped == position_)
        return;
    position_ = clamped;
    redraw();
    if (onChange)
        onChange();
}

void ScrollBar::moveBy(int rows) {
    const long long moved = static_cast<long long>(position_) + rows;
    setPosition(static_cast<int>(std::clamp<long long>(moved, 0, maxPosition())));
}

void ScrollBar::setMax(int max) {
    max_ = std::max(0, max);
    redraw();
    setPosition(position_);
}

void ScrollBar::setPageSize(int pageSize) {
    pageSize_ = std::max(0, pageSize);
    redraw();
    setPosition(position_);
}

int ScrollBar::arrowSize() const {
    return std::min(width(), height() / 3);
}

// The products of pixels and positions are taken wide: a maximum near the top of the int
// range must not wrap round.
Rect ScrollBar::thumb() const {
    const int track = height() - 2 * arrowSize();
    const long long range = static_cast<long long>(max_) + 1;
    const long long proportional =
        pageSize_ > 0 ? static_cast<long long>(track) * pageSize_ / range : 8;
    const int length =
        static_cast<int>(std::clamp<long long>(proportional, std::min(8, track), track));
    const int travel = track - length;
    const int top =
        maxPosition() > 0
            ? static_cast<int>(static_cast<long long>(travel) * position_ / maxPosition())
            : 0;
    return {0, arrowSize() + top, width(), length};
}

int ScrollBar::positionForThumbTop(int top) const {
    const int travel = height() - 2 * arrowSize() - thumb().height;
    if (travel <= 0)
        return 0;
    const int offset = std::clamp(top - arrowSize(), 0, travel);
    return static_cast<int>((static_cast<long long>(offset) * maxPosition() + travel / 2) / travel);
}

void ScrollBar::paint(Canvas& canvas, const PaintContext& context) const {
    const SkinElement* element = context.skin.find(skinElement_);
    const Rect area{0, 0, width(), height()};
    canvas.fillRect(area, element && element->colour ? *element->colour : plain::Track);
    canvas.frameRect(area, plain::Frame);
    const int arrow = arrowSize();
    paintFace(canvas, element, context.state, thumb());
    canvas.frameRect({0, 0, width(), arrow}, plain::Frame);
    canvas.frameRect({0, height() - arrow, width(), arrow}, plain::Frame);
    const Colour mark = captionColour(element, context.state, colours::Black);
    const int centre = width() / 2;
    for (int i = 0; i < 3; ++i) {
        canvas.line({centre - i, arrow / 2 - 1 + i}, {centre + i + 1, arrow / 2 - 1 + i}, mark);
        canvas.line({centre - i, height() - arrow / 2 + 1 - i},
                    {centre + i + 1, height() - arrow / 2 + 1 - i}, mark);
    }
}

void ScrollBar::mouseDown(const MouseEvent& e) {
    if (e.button == MouseButton::Left) {
        const Rect t = thumb();
        const int page = std::max(1, pageSize_);
        if (e.y < arrowSize())
            moveBy(-1);
        else if (e.y >= height() - arrowSize())
            moveBy(1);
        else if (e.y < t.top)
            moveBy(-page);
        else if (e.y >= t.bottom())
            moveBy(page);
        else
            dragOffset_ = e.y - t.top;
    }
    Control::mouseDown(e);
}

void ScrollBar::mouseMove(const MouseEvent& e) {
    if (dragOffset_ >= 0)
        setPosition(positionForThumbTop(e.y - dragOffset_));
    Control::mouseMove(e);
}

void ScrollBar::mouseUp(const MouseEvent& e) {
    dragOffset_ = -1;
    Control::mouseUp(e);
}

}  // namespace forms
