#include "forms/skin.h"

#include <fstream>
#include <sstream>

namespace forms {

namespace {

// Skin files are a few kilobytes; anything far larger is not a skin file.
constexpr std::uintmax_t MaxSkinFileBytes = 1u << 20;

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<Bitmap> pictureOf(const IniText::Section& section, const char* key,
                                const std::filesystem::path& folder) {
    const auto found = section.find(key);
    if (found == section.end() || found->second.empty())
        return std::nullopt;
    return loadBmpFile(folder / std::filesystem::path(found->second));
}

std::optional<Colour> colourOf(const IniText::Section& section, const char* key) {
    const auto found = section.find(key);
    if (found == section.end())
        return std::nullopt;
    return parseHexColour(found->second);
}

}  // namespace

std::optional<Colour> parseHexColour(std::string_view text) {
    if (text.size() != 6)
        return std::nullopt;
    std::uint8_t parts[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexDigit(text[2 * i]);
        const int low = hexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        parts[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return Colour::rgb(parts[0], parts[1], parts[2]);
}

const Bitmap* SkinElement::pictureFor(VisualState state) const {
    const std::optional<Bitmap>* chosen = &picture;
    if (state == VisualState::Hover)
        chosen = &hover;
    if (state == VisualState::Down)
        chosen = &down;
    if (state == VisualState::Disabled)
        chosen = &disabled;
    if (chosen->has_value())
        return &chosen->value();
    return picture ? &picture.value() : nullptr;
}

Skin Skin::load(const std::filesystem::path& skinFile) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(skinFile, error);
    if (error || size > MaxSkinFileBytes)
        return {};
    std::ifstream in(skinFile, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream text;
    text << in.rdbuf();
    return fromIni(IniText::parse(text.str()), skinFile.parent_path());
}

Skin Skin::fromIni(const IniText& ini, const std::filesystem::path& pictureFolder) {
    Skin skin;
    for (const auto& [name, section] : ini.sections()) {
        SkinElement element;
        element.picture = pictureOf(section, "picture", pictureFolder);
        element.hover = pictureOf(section, "hover", pictureFolder);
        element.down = pictureOf(section, "down", pictureFolder);
        element.disabled = pictureOf(section, "disabled", pictureFolder);
        element.colour = colourOf(section, "colour");
        element.textColour = colourOf(section, "textcolour");
        element.frameColour = colourOf(section, "framecolour");
        element.transparent = colourOf(section, "transparent");
        const auto stretch = section.find("stretch");
        element.stretch = stretch == section.end() || stretch->second != "0";
        skin.elements_.emplace(name, std::move(element));
    }
    return skin;
}

const SkinElement* Skin::find(std::string_view elementName) const {
    if (elementName.empty())
        return nullptr;
    const auto found = elements_.find(elementName);
    return found == elements_.end() ? nullptr : &found->second;
}

const SkinElement* Skin::formElement(std::string_view formClass) const {
    return find("form:" + std::string(formClass));
}

}  // namespace forms
