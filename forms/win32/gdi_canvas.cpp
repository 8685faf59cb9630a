#include "forms/win32/gdi_canvas.h"

#include <algorithm>

#include "forms/win32/bitmap_section.h"
#include "forms/win32/handles.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {

namespace {

RECT rectOf(Rect r) {
    return {r.left, r.top, r.right(), r.bottom()};
}

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, FontCache& fonts) : dc_(dc), fonts_(fonts) {
    SetBkMode(dc_, TRANSPARENT);
}

void GdiCanvas::doFillRect(Rect r, Colour c) {
    const UniqueBrush brush(CreateSolidBrush(colourRef(c)));
    const RECT area = rectOf(r);
    FillRect(dc_, &area, brush.get());
}

void GdiCanvas::doFrameRect(Rect r, Colour c) {
    const UniqueBrush brush(CreateSolidBrush(colourRef(c)));
    const RECT area = rectOf(r);
    FrameRect(dc_, &area, brush.get());
}

void GdiCanvas::doLine(Point from, Point to, Colour c) {
    const UniquePen pen(CreatePen(PS_SOLID, 1, colourRef(c)));
    const Selection selected(dc_, pen.get());
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
}

void GdiCanvas::doText(Rect r, std::u16string_view text, TextFormat format) {
    const Selection font(dc_, fonts_.fontFor(this->font()));
    SetTextColor(dc_, colourRef(this->font().colour));
    const std::wstring wideText = wide(text);
    UINT flags = DT_NOPREFIX | (format.clip ? 0u : static_cast<UINT>(DT_NOCLIP));
    if (format.horizontal == TextFormat::Horizontal::Centre)
        flags |= DT_CENTER;
    RECT area = rectOf(r);
    if (format.wordWrap) {
        flags |= DT_WORDBREAK;
        if (format.vertical == TextFormat::Vertical::Centre) {
            // Word-wrapped text is centred by its measured height.
            RECT measured = area;
            DrawTextW(dc_, wideText.c_str(), static_cast<int>(wideText.size()), &measured,
                      flags | DT_CALCRECT);
            const int spare =
                std::max(0L, (area.bottom - area.top) - (measured.bottom - measured.top));
            area.top += spare / 2;
        }
    } else if (format.vertical == TextFormat::Vertical::Centre) {
        flags |= DT_SINGLELINE | DT_VCENTER;
    }
    DrawTextW(dc_, wideText.c_str(), static_cast<int>(wideText.size()), &area, flags);
}

void GdiCanvas::doClip(const std::optional<Rect>& clip) {
    if (!clip) {
        SelectClipRgn(dc_, nullptr);
        return;
    }
    // The device context keeps a copy of the region.
    const UniqueRegion region(CreateRectRgn(clip->left, clip->top, clip->right(), clip->bottom()));
    SelectClipRgn(dc_, region.get());
}

void GdiCanvas::doBitmap(const Bitmap& picture, const BitmapDrawing& drawing) {
    if (picture.empty())
        return;
    const UniqueMemoryDc source(CreateCompatibleDC(dc_));
    const UniqueBitmap section = sectionOf(picture, dc_);
    if (!source || !section)
        return;
    const Selection selected(source.get(), section.get());
    const Rect d = drawing.destination;
    const int width = drawing.stretch ? d.width : std::min(d.width, picture.width());
    const int height = drawing.stretch ? d.height : std::min(d.height, picture.height());
    const int sourceWidth = drawing.stretch ? picture.width() : width;
    const int sourceHeight = drawing.stretch ? picture.height() : height;
    if (drawing.transparent) {
        TransparentBlt(dc_, d.left, d.top, width, height, source.get(), 0, 0, sourceWidth,
                       sourceHeight, colourRef(*drawing.transparent));
        return;
    }
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, d.left, d.top, width, height, source.get(), 0, 0, sourceWidth, sourceHeight,
               SRCCOPY);
}

}  // namespace forms::win32
