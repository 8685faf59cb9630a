#pragma once
// The canvas on a GDI device context.

#include <windows.h>

#include "forms/canvas.h"
#include "forms/win32/font_cache.h"

namespace forms::win32 {

class GdiCanvas : public Canvas {
  public:
    GdiCanvas(HDC dc, FontCache& fonts);

  protected:
    void doFillRect(Rect r, Colour c) override;
    void doFrameRect(Rect r, Colour c) override;
    void doLine(Point from, Point to, Colour c) override;
    void doText(Rect r, std::u16string_view text, TextFormat format) override;
    void doBitmap(const Bitmap& picture, const BitmapDrawing& drawing) override;
    void doClip(const std::optional<Rect>& clip) override;

  private:
    HDC dc_;
    FontCache& fonts_;
};

}  // namespace forms::win32
