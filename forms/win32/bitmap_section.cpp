#include "forms/win32/bitmap_section.h"

namespace forms::win32 {

UniqueBitmap sectionOf(const Bitmap& picture, HDC dc, std::uint8_t alpha) {
    if (picture.empty())
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width();
    info.bmiHeader.biHeight = -picture.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap section(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || bits == nullptr)
        return {};
    auto* pixel = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = picture.at(x, y);
            *pixel++ = c.blue;
            *pixel++ = c.green;
            *pixel++ = c.red;
            *pixel++ = alpha;
        }
    }
    return section;
}

}  // namespace forms::win32
