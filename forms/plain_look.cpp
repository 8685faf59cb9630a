#include "forms/plain_look.h"

namespace forms {

void paintFace(Canvas& canvas, const SkinElement* element, VisualState state, Rect r) {
    if (element != nullptr) {
        if (const Bitmap* picture = element->pictureFor(state)) {
            canvas.bitmap(*picture, {r, element->stretch, element->transparent});
            return;
        }
    }
    const bool hasColour = element != nullptr && element->colour;
    const bool hasFrame = element != nullptr && element->frameColour;
    canvas.fillRect(r, hasColour ? *element->colour : plain::Face);
    canvas.frameRect(r, hasFrame ? *element->frameColour : plain::Frame);
}

Colour captionColour(const SkinElement* element, VisualState state, Colour fontColour) {
    if (state == VisualState::Disabled)
        return plain::DisabledText;
    if (element != nullptr && element->textColour)
        return *element->textColour;
    return fontColour;
}

}  // namespace forms
