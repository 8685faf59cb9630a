#pragma once
// How a control looks from its skin element, and how it looks plainly when the skin has no
// picture or colour for it: a neutral face, a one-pixel frame, the caption in the font's colour.

#include "forms/canvas.h"
#include "forms/skin.h"

namespace forms {

namespace plain {
constexpr Colour Face = colours::SystemButtonFace;
constexpr Colour Frame = Colour::rgb(105, 105, 105);
constexpr Colour DisabledText = Colour::rgb(128, 128, 128);
constexpr Colour Track = Colour::rgb(224, 224, 224);
constexpr Colour Fill = Colour::rgb(0, 120, 215);
}  // namespace plain

// Draws the element's picture for the state over the rectangle; without one, its colour and
// frame colour; without those, the plain face and frame.
void paintFace(Canvas& canvas, const SkinElement* element, VisualState state, Rect r);

// The caption colour: the element's text colour, else the given font colour; grey when disabled.
Colour captionColour(const SkinElement* element, VisualState state, Colour fontColour);

}  // namespace forms
