// How a form lays out and paints its controls: graphic controls below windowed ones, each
// parent's children in the order they were added, the frame and caption bar from the skin.

#include "forms/form.h"

#include <algorithm>

#include "forms/plain_look.h"

namespace forms {

namespace {

// The caption bar's plain look, when the skin has no colours for the form.
constexpr Colour PlainCaptionBar = Colour::rgb(10, 36, 106);

}  // namespace

std::vector<Control*> Form::childrenInPaintOrder(const Control* parent) const {
    std::vector<Control*> children;
    for (Control* c : controls_) {
        if (c->parent() == parent && !c->windowed())
            children.push_back(c);
    }
    for (Control* c : controls_) {
        if (c->parent() == parent && c->windowed())
            children.push_back(c);
    }
    return children;
}

Control* Form::childAt(const Control* parent, Point local) const {
    const std::vector<Control*> children = childrenInPaintOrder(parent);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Control* c = *it;
        if (!c->visible() || !c->enabled() || !c->bounds().contains(local))
            continue;
        if (Control* inner = childAt(c, {local.x - c->left(), local.y - c->top()}))
            return inner;
        return c;
    }
    return nullptr;
}

Control* Form::controlAt(Point client) const {
    return childAt(nullptr, client);
}

VisualState Form::stateOf(const Control& control) const {
    for (const Control* c = &control; c != nullptr; c = c->parent()) {
        if (!c->enabled())
            return VisualState::Disabled;
    }
    if (!acceptsInput())
        return VisualState::Disabled;
    if (capturing_ && captured_ == &control) {
        return captureOverTarget_ && capturedButton_ == MouseButton::Left ? VisualState::Down
                                                                          : VisualState::Hover;
    }
    if (!capturing_ && hovered_ == &control)
        return VisualState::Hover;
    return VisualState::Normal;
}

void Form::paint(Canvas& canvas) const {
    paintFrame(canvas);
    Canvas::OriginScope client(canvas, clientOffset());
    const Canvas::ClipScope clientArea(canvas, {0, 0, design_.clientWidth, design_.clientHeight});
    paintChildren(canvas, nullptr);
}

void Form::paintChildren(Canvas& canvas, const Control* parent) const {
    for (const Control* c : childrenInPaintOrder(parent)) {
        if (!c->visible())
            continue;
        Canvas::OriginScope scope(canvas, c->bounds().topLeft());
        c->paint(canvas, {skin_, stateOf(*c), focused_ == c});
        const Canvas::ClipScope withinParent(canvas, {0, 0, c->width(), c->height()});
        paintChildren(canvas, c);
    }
}

void Form::paintFrame(Canvas& canvas) const {
    const SkinElement* element = skin_.formElement(design_.className);
    const Rect outer = outerBounds();
    const Rect whole{0, 0, outer.width, outer.height};
    const Point offset = clientOffset();
    const Rect client{offset.x, offset.y, design_.clientWidth, design_.clientHeight};
    const Bitmap* picture = element ? element->pictureFor(VisualState::Normal) : nullptr;
    const Colour frame = element && element->frameColour ? *element->frameColour : PlainCaptionBar;
    canvas.fillRect(whole, frame);
    if (picture != nullptr) {
        canvas.bitmap(*picture, {client, element->stretch, element->transparent});
    } else {
        canvas.fillRect(client, element && element->colour ? *element->colour : plain::Face);
    }
    if (!design_.captionBar)
        return;
    const Colour text = element && element->textColour ? *element->textColour : colours::White;
    int textRight = outer.width - 6;
    for (const CaptionBox box : {CaptionBox::Minimise, CaptionBox::Close}) {
        const Rect r = captionBoxBounds(box);
        if (r.width == 0)
            continue;
        textRight = std::min(textRight, r.left - 4);
        const Colour glyph = pressedBox_ == box ? frame : text;
        if (pressedBox_ == box)
            canvas.fillRect(r, text);
        canvas.frameRect(r, text);
        if (box == CaptionBox::Close) {
            canvas.line({r.left + 4, r.top + 4}, {r.right() - 4, r.bottom() - 4}, glyph);
            canvas.line({r.right() - 5, r.top + 4}, {r.left + 3, r.bottom() - 4}, glyph);
        } else {
            canvas.fillRect({r.left + 4, r.bottom() - 6, r.width - 8, 2}, glyph);
        }
    }
    if (caption_.empty())
        return;
    Font captionFont = font_.inBold();
    captionFont.colour = text;
    canvas.setFont(captionFont);
    canvas.text({offset.x + 6, FrameBorder, textRight - offset.x - 6, CaptionBarHeight}, caption_,
                {TextFormat::Horizontal::Left, TextFormat::Vertical::Centre, false});
}

Rect Form::captionBoxBounds(CaptionBox box) const {
    constexpr int Size = 16;
    const bool present =
        design_.captionBar && ((box == CaptionBox::Close && design_.closeBox) ||
                               (box == CaptionBox::Minimise && design_.minimiseBox));
    if (!present)
        return {};
    int right = outerBounds().width - FrameBorder - 2;
    if (box == CaptionBox::Minimise && design_.closeBox)
        right -= Size + 2;
    return {right - Size, FrameBorder + (CaptionBarHeight - Size) / 2, Size, Size};
}

CaptionBox Form::captionBoxAt(Point outer) const {
    for (const CaptionBox box : {CaptionBox::Minimise, CaptionBox::Close}) {
        if (captionBoxBounds(box).contains(outer))
            return box;
    }
    return CaptionBox::None;
}

}  // namespace forms
