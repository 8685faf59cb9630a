#include "stormline/macro/win32/windows_message_box.h"

#include <string>

namespace macro {

void WindowsMessageBox::showMessage(std::u16string_view text) {
    // The system wants a terminated text; a view need not be one.
    const std::wstring terminated(text.begin(), text.end());
    MessageBoxW(owner_, terminated.c_str(), L"", MB_OK);
}

}  // namespace macro
