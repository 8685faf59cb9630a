#pragma once
// An icon in the taskbar's notification area with a hint; it comes back by itself when the
// taskbar is recreated.

#include "forms/bitmap.h"
#include "forms/component.h"

namespace forms {

class TrayIcon : public Component {
  public:
    struct Args {
        std::u16string hint;
        bool visible = true;
    };

    TrayIcon(Form& form, std::string name, const Args& args);

    Handler onClick;
    MouseHandler onMouseDown;

    const std::u16string& hint() const { return hint_; }
    void setHint(std::u16string hint);
    const Bitmap& icon() const { return icon_; }
    void setIcon(Bitmap icon);
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    void formCreated() override;
    void formDestroying() override;

  private:
    void update();

    std::u16string hint_;
    Bitmap icon_;
    bool visible_;
};

}  // namespace forms
