#include "forms/list_box.h"

#include <algorithm>

#include "forms/plain_look.h"

namespace forms {

ListBox::ListBox(Form& form, std::string name, const Args& args)
    : Control(form, std::move(name),
              {args.bounds, args.hint, args.visible, args.enabled, args.showHint}, args.parent),
      font_(args.font),
      colour_(args.colour),
      itemHeight_(std::max(1, args.itemHeight)) {}

void ListBox::add(Row row) {
    rows_.push_back(std::move(row));
    redraw();
}

void ListBox::insert(int index, Row row) {
    index = std::clamp(index, 0, count());
    rows_.insert(rows_.begin() + index, std::move(row));
    redraw();
}

void ListBox::remove(int index) {
    if (!validRow(index))
        return;
    rows_.erase(rows_.begin() + index);
    if (itemIndex_ == index)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
    setTopRow(topRow_);
    redraw();
}

void ListBox::exchange(int a, int b) {
    if (!validRow(a) || !validRow(b))
        return;
    std::swap(rows_[static_cast<std::size_t>(a)], rows_[static_cast<std::size_t>(b)]);
    redraw();
}

void ListBox::clear() {
    rows_.clear();
    itemIndex_ = -1;
    topRow_ = 0;
    redraw();
}

void ListBox::setTopRow(int row) {
    topRow_ = std::clamp(row, 0, std::max(0, count() - 1));
    redraw();
}

void ListBox::setItemIndex(int index) {
    itemIndex_ = validRow(index) ? index : -1;
    redraw();
}

int ListBox::rowAt(int y) const {
    if (y < 0)
        return -1;
    const int row = topRow_ + y / itemHeight_;
    return validRow(row) ? row : -1;
}

void ListBox::setFont(const Font& font) {
    font_ = font;
    redraw();
}

void ListBox::paint(Canvas& canvas, const PaintContext&) const {
    canvas.fillRect({0, 0, width(), height()}, colour_);
    for (int row = topRow_; row < count(); ++row) {
        const int y = (row - topRow_) * itemHeight_;
        if (y >= height())
            break;
        const Rect rect{0, y, width(), itemHeight_};
        const bool selected = row == itemIndex_;
        if (onDrawItem) {
            onDrawItem(canvas, row, rect, selected);
            continue;
        }
        if (selected)
            canvas.fillRect(rect, colours::SystemHighlight);
        canvas.setFont(font_.withColour(selected ? colours::SystemHighlightText : font_.colour));
        canvas.text(rect.movedBy(2, 0), rows_[static_cast<std::size_t>(row)].text,
                    {TextFormat::Horizontal::Left, TextFormat::Vertical::Centre, false});
    }
}

void ListBox::mouseDown(const MouseEvent& e) {
    if (e.button == MouseButton::Left && rowAt(e.y) >= 0)
        setItemIndex(rowAt(e.y));
    Control::mouseDown(e);
}

}  // namespace forms
