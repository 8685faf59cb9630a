#pragma once
// A list of rows, each with its text and a kind its owner gives it (the macro editor tells
// press rows from release rows), with a top row, a selection and owner drawing.

#include <functional>
#include <string>
#include <vector>

#include "forms/component.h"
#include "forms/font.h"

namespace forms {

class ListBox : public Control {
  public:
    struct Row {
        std::u16string text;
        int kind = 0;
        friend bool operator==(const Row&, const Row&) = default;
    };

    struct Args {
        Rect bounds;
        Font font;
        int itemHeight = 18;
        Colour colour = colours::SystemWindow;
        std::u16string hint;
        bool visible = true;
        bool enabled = true;
        bool showHint = false;
        Control* parent = nullptr;
    };

    ListBox(Form& form, std::string name, const Args& args);

    // Draws row `index` in `rect` (the list's own coordinates); without it rows are drawn plainly.
    std::function<void(Canvas&, int index, Rect rect, bool selected)> onDrawItem;

    const std::vector<Row>& rows() const { return rows_; }
    int count() const { return static_cast<int>(rows_.size()); }
    void add(Row row);
    void insert(int index, Row row);
    void remove(int index);
    void exchange(int a, int b);
    void clear();

    int topRow() const { return topRow_; }
    void setTopRow(int row);
    // The selected row, or -1.
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    int itemHeight() const { return itemHeight_; }
    // The row at y (own coordinates), or -1 below the last row.
    int rowAt(int y) const;

    const Font& font() const { return font_; }
    void setFont(const Font& font);

    bool windowed() const override { return true; }
    bool focusable() const override { return true; }
    void paint(Canvas& canvas, const PaintContext& context) const override;
    void mouseDown(const MouseEvent& e) override;

  private:
    bool validRow(int index) const { return index >= 0 && index < count(); }

    std::vector<Row> rows_;
    Font font_;
    Colour colour_;
    int itemHeight_;
    int topRow_ = 0;
    int itemIndex_ = -1;
};

}  // namespace forms
