#pragma once
// A progress bar: a position between minimum and maximum, moved by a step. Stepping past the
// maximum stops at the maximum.

#include "forms/component.h"

namespace forms {

class ProgressBar : public Control {
  public:
    struct Args {
        Rect bounds;
        int min = 0;
        int max = 100;
        int step = 10;
        int position = 0;
        std::u16string hint;
        bool visible = true;
        bool enabled = true;
        bool showHint = false;
        Control* parent = nullptr;
    };

    ProgressBar(Form& form, std::string name, const Args& args);

    int min() const { return min_; }
    int max() const { return max_; }
    int step() const { return step_; }
    int position() const { return position_; }
    void setMin(int min);
    void setMax(int max);
    void setStep(int step) { step_ = step; }
    void setPosition(int position);
    // Moves on by the step; the sum is taken wide so that no step, however large, wraps round.
    void stepIt();

    bool windowed() const override { return true; }
    void paint(Canvas& canvas, const PaintContext& context) const override;

  private:
    int min_;
    int max_;
    int step_;
    int position_;
};

}  // namespace forms
