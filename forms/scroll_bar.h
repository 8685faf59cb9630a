#pragma once
// A vertical scroll bar: a position from 0 up to the maximum less the page size, changed by its
// arrows, by pressing beside the thumb and by dragging the thumb.

#include <string>

#include "forms/component.h"

namespace forms {

class ScrollBar : public Control {
  public:
    struct Args {
        Rect bounds;
        std::string skinElement;
        int position = 0;
        int max = 100;
        int pageSize = 0;
        std::u16string hint;
        bool visible = true;
        bool enabled = true;
        bool showHint = false;
        Control* parent = nullptr;
    };

    ScrollBar(Form& form, std::string name, const Args& args);

    // Runs after every change of the position, whoever made it.
    Handler onChange;

    int position() const { return position_; }
    void setPosition(int position);
    int max() const { return max_; }
    void setMax(int max);
    int pageSize() const { return pageSize_; }
    void setPageSize(int pageSize);
    // The largest position the bar can take.
    int maxPosition() const;

    bool windowed() const override { return true; }
    void paint(Canvas& canvas, const PaintContext& context) const override;
    void mouseDown(const MouseEvent& e) override;
    void mouseMove(const MouseEvent& e) override;
    void mouseUp(const MouseEvent& e) override;

  private:
    int arrowSize() const;
    Rect thumb() const;
    int positionForThumbTop(int top) const;
    void moveBy(int rows);

    std::string skinElement_;
    int position_;
    int max_;
    int pageSize_;
    int dragOffset_ = -1;  // the mouse's offset into the thumb while it is dragged
};

}  // namespace forms
