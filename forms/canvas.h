#pragma once
// The drawing surface that controls and owner-drawn items paint on. Each backend implements the
// primitives; the canvas keeps the current font and an origin, so that a control paints in its
// own coordinates wherever it sits on the form.

#include <optional>
#include <string>
#include <string_view>

#include "forms/bitmap.h"
#include "forms/font.h"
#include "forms/geometry.h"

namespace forms {

struct TextFormat {
    enum class Horizontal { Left, Centre };
    enum class Vertical { Top, Centre };
    Horizontal horizontal = Horizontal::Left;
    Vertical vertical = Vertical::Top;
    bool wordWrap = false;
    // Off: the text may run past the rectangle, as an auto-sized label grows with its text.
    bool clip = true;
    friend bool operator==(const TextFormat&, const TextFormat&) = default;
};

struct BitmapDrawing {
    Rect destination;
    bool stretch = true;                // otherwise drawn at its own size from the top-left corner
    std::optional<Colour> transparent;  // pixels of this colour are not drawn
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    const Font& font() const { return font_; }
    void setFont(const Font& font) { font_ = font; }

    void fillRect(Rect r, Colour c) { doFillRect(translated(r), c); }
    void frameRect(Rect r, Colour c) { doFrameRect(translated(r), c); }
    void line(Point from, Point to, Colour c) { doLine(translated(from), translated(to), c); }
    // Text in the current font and its colour, clipped to the rectangle.
    void text(Rect r, std::u16string_view text, TextFormat format = {}) {
        doText(translated(r), text, format);
    }
    void bitmap(const Bitmap& picture, BitmapDrawing drawing) {
        drawing.destination = translated(drawing.destination);
        doBitmap(picture, drawing);
    }

    // Moves the origin for the lifetime of the scope: a control paints from (0, 0).
    class OriginScope {
      public:
        OriginScope(Canvas& canvas, Point offset) : canvas_(canvas), saved_(canvas.origin_) {
            canvas.origin_ = {saved_.x + offset.x, saved_.y + offset.y};
        }
        ~OriginScope() { canvas_.origin_ = saved_; }
        OriginScope(const OriginScope&) = delete;
        OriginScope& operator=(const OriginScope&) = delete;

      private:
        Canvas& canvas_;
        Point saved_;
    };

    // Limits drawing to the rectangle, within any limit already set, for the lifetime of the
    // scope: a window's controls stay inside its client area and inside their parents.
    class ClipScope {
      public:
        ClipScope(Canvas& canvas, Rect r) : canvas_(canvas), saved_(canvas.clip_) {
            const Rect wanted = canvas.translated(r);
            canvas.clip_ = saved_ ? saved_->intersectedWith(wanted) : wanted;
            canvas.doClip(canvas.clip_);
        }
        ~ClipScope() {
            canvas_.clip_ = saved_;
            canvas_.doClip(saved_);
        }
        ClipScope(const ClipScope&) = delete;
        ClipScope& operator=(const ClipScope&) = delete;

      private:
        Canvas& canvas_;
        std::optional<Rect> saved_;
    };

    // The limit in force, in the surface's own coordinates; nothing when drawing is unlimited.
    const std::optional<Rect>& clip() const { return clip_; }

  protected:
    virtual void doFillRect(Rect r, Colour c) = 0;
    virtual void doFrameRect(Rect r, Colour c) = 0;
    virtual void doLine(Point from, Point to, Colour c) = 0;
    virtual void doText(Rect r, std::u16string_view text, TextFormat format) = 0;
    virtual void doBitmap(const Bitmap& picture, const BitmapDrawing& drawing) = 0;
    virtual void doClip(const std::optional<Rect>& clip) = 0;

  private:
    Rect translated(Rect r) const { return r.movedBy(origin_.x, origin_.y); }
    Point translated(Point p) const { return {p.x + origin_.x, p.y + origin_.y}; }

    Font font_;
    Point origin_;
    std::optional<Rect> clip_;
};

}  // namespace forms
