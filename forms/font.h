#pragma once
// A font as the forms describe it: face, character set, size in points, style and colour.

#include <string>

#include "forms/geometry.h"

namespace forms {

struct Font {
    std::u16string face = u"Arial";
    int charset = 1;  // the default character set
    int sizePoints = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Colour colour = colours::Black;

    Font withColour(Colour c) const {
        Font copy = *this;
        copy.colour = c;
        return copy;
    }
    Font inBold() const {
        Font copy = *this;
        copy.bold = true;
        return copy;
    }
    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace forms
