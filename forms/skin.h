#pragma once
// The skin: for each skin element name, the pictures of its states and its colours, read from
// an INI file of the installation's "skin" folder. Whatever is missing (the file, a section, a
// key, a picture) leaves the element, or the whole skin, empty, and controls are then drawn
// plainly.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "forms/bitmap.h"
#include "forms/geometry.h"
#include "forms/ini_text.h"

namespace forms {

enum class VisualState { Normal, Hover, Down, Disabled };

struct SkinElement {
    std::optional<Bitmap> picture;
    std::optional<Bitmap> hover;
    std::optional<Bitmap> down;
    std::optional<Bitmap> disabled;
    std::optional<Colour> colour;
    std::optional<Colour> textColour;
    std::optional<Colour> frameColour;
    std::optional<Colour> transparent;
    bool stretch = true;

    // The picture for a state, falling back to the normal picture; nothing when there is none.
    const Bitmap* pictureFor(VisualState state) const;
};

class Skin {
  public:
    // Reads the skin file; pictures are named relative to the file's folder.
    static Skin load(const std::filesystem::path& skinFile);
    static Skin fromIni(const IniText& ini, const std::filesystem::path& pictureFolder);

    const SkinElement* find(std::string_view elementName) const;
    // The element that draws the frame and background of a form of that class.
    const SkinElement* formElement(std::string_view formClass) const;
    bool empty() const { return elements_.empty(); }

  private:
    std::map<std::string, SkinElement, CaseInsensitiveLess> elements_;
};

// "RRGGBB" in hexadecimal; anything else gives nothing.
std::optional<Colour> parseHexColour(std::string_view text);

}  // namespace forms
