#pragma once
// The window of one form: it turns window messages into the form's input and paints the form
// through a memory bitmap, so that nothing flickers.

#include <windows.h>

#include "forms/backend.h"
#include "forms/form.h"
#include "forms/win32/handles.h"

namespace forms::win32 {

class Win32Backend;

class FormWindow : public WindowPort {
  public:
    FormWindow(Win32Backend& backend, Form& form);
    ~FormWindow() override;

    HWND handle() const { return window_.get(); }
    void useHintFont(HFONT font);

    void setVisible(bool visible) override;
    void setEnabled(bool enabled) override;
    void setBounds(Rect outer) override;
    void setCaption(const std::u16string& caption) override;
    void bringToFront() override;
    void minimise() override;
    void invalidate() override;
    void captureMouse() override;
    void releaseMouse() override;
    void takeFocus() override;
    void showHint(const std::u16string& hint) override;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    Point clientPointOf(LPARAM lParam) const;
    void trackLeave();
    void createTooltip();

    Win32Backend& backend_;
    Form& form_;
    UniqueWindow window_;
    UniqueWindow tooltip_;
    bool trackingLeave_ = false;
    bool settingBounds_ = false;
};

}  // namespace forms::win32
