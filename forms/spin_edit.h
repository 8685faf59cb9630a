#pragma once
// A numeric field with up and down arrows: a value within a range, moved by a step, shown with
// a number of decimals; digits can be typed while it has the focus.

#include <string>

#include "forms/component.h"
#include "forms/font.h"

namespace forms {

class SpinEdit : public Control {
  public:
    struct Args {
        Rect bounds;
        std::string skinElement;
        double value = 0;
        double min = 0;
        double max = 100;
        double increment = 1;
        int decimals = 0;
        int maxLength = 0;  // characters that can be typed; 0 = no limit
        Font font;
        std::u16string hint;
        bool visible = true;
        bool enabled = true;
        bool showHint = false;
        Control* parent = nullptr;
    };

    SpinEdit(Form& form, std::string name, const Args& args);

    Handler onChange;

    double value() const { return value_; }
    void setValue(double value);
    double min() const { return min_; }
    double max() const { return max_; }
    void setRange(double min, double max);
    double increment() const { return increment_; }
    void setIncrement(double increment) { increment_ = increment; }
    int decimals() const { return decimals_; }
    // The value as the field shows it.
    std::u16string text() const;

    bool windowed() const override { return true; }
    bool focusable() const override { return true; }
    void paint(Canvas& canvas, const PaintContext& context) const override;
    void mouseDown(const MouseEvent& e) override;
    void keyChar(char16_t c) override;
    void focusLost() override;

  private:
    static constexpr int ArrowWidth = 13;
    void commitTyped();

    std::string skinElement_;
    double value_;
    double min_;
    double max_;
    double increment_;
    int decimals_;
    int maxLength_;
    Font font_;
    std::u16string typed_;
    bool typing_ = false;
};

}  // namespace forms
