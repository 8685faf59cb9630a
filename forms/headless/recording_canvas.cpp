#include "forms/headless/recording_canvas.h"

namespace forms::headless {

std::vector<std::u16string> RecordingCanvas::texts() const {
    std::vector<std::u16string> all;
    for (const DrawOp& op : ops_) {
        if (op.kind == DrawOp::Kind::Text)
            all.push_back(op.text);
    }
    return all;
}

void RecordingCanvas::doFillRect(Rect r, Colour c) {
    ops_.push_back({DrawOp::Kind::Fill, r, c, {}, font(), {}, clip()});
}

void RecordingCanvas::doFrameRect(Rect r, Colour c) {
    ops_.push_back({DrawOp::Kind::Frame, r, c, {}, font(), {}, clip()});
}

void RecordingCanvas::doLine(Point from, Point to, Colour c) {
    ops_.push_back({DrawOp::Kind::Line,
                    {from.x, from.y, to.x - from.x, to.y - from.y},
                    c,
                    {},
                    font(),
                    {},
                    clip()});
}

void RecordingCanvas::doText(Rect r, std::u16string_view text, TextFormat format) {
    ops_.push_back(
        {DrawOp::Kind::Text, r, font().colour, std::u16string(text), font(), format, clip()});
}

void RecordingCanvas::doBitmap(const Bitmap&, const BitmapDrawing& drawing) {
    ops_.push_back({DrawOp::Kind::Bitmap, drawing.destination, {}, {}, font(), {}, clip()});
}

}  // namespace forms::headless
