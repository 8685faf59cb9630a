#pragma once
// The editor's message box as a system message box: the text, an empty caption, one OK button.

#include <windows.h>

#include <string_view>

#include "stormline/macro/message_box_port.h"

namespace macro {

class WindowsMessageBox final : public MessageBoxPort {
  public:
    // The box is modal to owner, which may be null.
    explicit WindowsMessageBox(HWND owner) : owner_(owner) {}

    void showMessage(std::u16string_view text) override;

  private:
    HWND owner_;
};

}  // namespace macro
