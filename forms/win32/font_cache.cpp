#include "forms/win32/font_cache.h"

#include <algorithm>

namespace forms::win32 {

COLORREF colourRef(Colour colour) {
    if (colour.isSystem())
        return GetSysColor(colour.systemIndex);
    return RGB(colour.red, colour.green, colour.blue);
}

HFONT FontCache::fontFor(const Font& font) {
    const Key key{font.face, font.charset, font.sizePoints, font.bold, font.italic, font.underline};
    auto found = fonts_.find(key);
    if (found != fonts_.end())
        return found->second.get();

    LOGFONTW description{};
    const WindowDc screen(nullptr);
    description.lfHeight = -MulDiv(font.sizePoints, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfItalic = font.italic ? TRUE : FALSE;
    description.lfUnderline = font.underline ? TRUE : FALSE;
    description.lfCharSet = static_cast<BYTE>(font.charset);
    description.lfQuality = DEFAULT_QUALITY;
    // The face field holds 31 characters and its terminator; a longer name is cut there.
    const std::size_t faceLength = std::min<std::size_t>(font.face.size(), LF_FACESIZE - 1);
    std::copy_n(font.face.begin(), faceLength, description.lfFaceName);
    description.lfFaceName[faceLength] = L'\0';
    UniqueFont created(CreateFontIndirectW(&description));
    HFONT handle = created.get();
    fonts_.emplace(key, std::move(created));
    return handle;
}

}  // namespace forms::win32
