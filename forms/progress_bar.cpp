#include "forms/progress_bar.h"

#include <algorithm>

#include "forms/plain_look.h"

namespace forms {

ProgressBar::ProgressBar(Form& form, std::string name, const Args& args)
    : Control(form, std::move(name),
              {args.bounds, args.hint, args.visible, args.enabled, args.showHint}, args.parent),
      min_(args.min),
      max_(std::max(args.min, args.max)),
      step_(args.step),
      position_(std::clamp(args.position, min_, max_)) {}

void ProgressBar::setMin(int min) {
    min_ = min;
    max_ = std::max(max_, min_);
    setPosition(position_);
}

void ProgressBar::setMax(int max) {
    max_ = std::max(max, min_);
    setPosition(position_);
}

void ProgressBar::setPosition(int position) {
    const int clamped = std::clamp(position, min_, max_);
    if (clamped == position_)
        return;
    position_ = clamped;
    redraw();
}

void ProgressBar::stepIt() {
    const long long next = static_cast<long long>(position_) + step_;
    setPosition(static_cast<int>(std::clamp<long long>(next, min_, max_)));
}

void ProgressBar::paint(Canvas& canvas, const PaintContext& context) const {
    const Rect area{0, 0, width(), height()};
    const SkinElement* element = context.skin.find("progressbar");
    canvas.fillRect(area, element && element->colour ? *element->colour : plain::Track);
    canvas.frameRect(area, element && element->frameColour ? *element->frameColour : plain::Frame);
    const long long span = static_cast<long long>(max_) - min_;
    if (span <= 0)
        return;
    const Rect inner = area.shrunkBy(1);
    const int filled =
        static_cast<int>(inner.width * (static_cast<long long>(position_) - min_) / span);
    if (filled <= 0)
        return;
    canvas.fillRect({inner.left, inner.top, filled, inner.height},
                    element && element->textColour ? *element->textColour : plain::Fill);
}

}  // namespace forms
