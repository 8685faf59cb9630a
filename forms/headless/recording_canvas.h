#pragma once
// A canvas that records what is drawn on it, so that tests can read what a control or an
// owner-drawn item painted.

#include <string>
#include <vector>

#include "forms/canvas.h"

namespace forms::headless {

struct DrawOp {
    enum class Kind { Fill, Frame, Line, Text, Bitmap };
    Kind kind = Kind::Fill;
    Rect rect;      // Fill, Frame, Text, Bitmap; for a line: from (left, top) to (right, bottom)
    Colour colour;  // Fill, Frame, Line; the font's colour for Text
    std::u16string text;
    Font font;
    TextFormat format;
    std::optional<Rect> clip;  // the limit drawing was held to, if any
};

class RecordingCanvas : public Canvas {
  public:
    const std::vector<DrawOp>& ops() const { return ops_; }
    // The texts drawn, in order.
    std::vector<std::u16string> texts() const;
    void clear() { ops_.clear(); }

  protected:
    void doFillRect(Rect r, Colour c) override;
    void doFrameRect(Rect r, Colour c) override;
    void doLine(Point from, Point to, Colour c) override;
    void doText(Rect r, std::u16string_view text, TextFormat format) override;
    void doBitmap(const Bitmap& picture, const BitmapDrawing& drawing) override;
    void doClip(const std::optional<Rect>&) override {}

  private:
    std::vector<DrawOp> ops_;
};

}  // namespace forms::headless
