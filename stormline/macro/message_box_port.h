#pragma once
// The macro editor's message box: a modal box with the text, no caption text and one OK button.

#include <string_view>

namespace macro {

class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    // Returns when the user has closed the box.
    virtual void showMessage(std::u16string_view text) = 0;
};

}  // namespace macro
