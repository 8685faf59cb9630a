// The common file dialogs and message boxes.

#include "forms/win32/win32_backend.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "forms/file_dialog.h"
#include "forms/win32/wide_text.h"

namespace forms::win32 {

namespace {

// "Description|pattern|..." as the dialogs want it: parts ended by zeros, the list by two.
std::wstring dialogFilter(const std::u16string& filter) {
    std::wstring parts = wide(filter);
    std::replace(parts.begin(), parts.end(), L'|', L'\0');
    parts.push_back(L'\0');
    parts.push_back(L'\0');
    return parts;
}

std::wstring expanded(const std::u16string& text) {
    const std::wstring raw = wide(text);
    const DWORD needed = ExpandEnvironmentStringsW(raw.c_str(), nullptr, 0);
    if (needed == 0)
        return raw;
    std::wstring result(needed, L'\0');
    const DWORD written = ExpandEnvironmentStringsW(raw.c_str(), result.data(), needed);
    if (written == 0 || written > needed)
        return raw;
    result.resize(written - 1);
    return result;
}

}  // namespace

bool Win32Backend::runFileDialog(FileDialog& dialog) {
    // The programs' file-name buffer: 511 units and the terminator.
    std::vector<wchar_t> name(MaxFileNameUnits + 1, L'\0');
    if (dialog.fileName.size() <= MaxFileNameUnits) {
        std::copy(dialog.fileName.begin(), dialog.fileName.end(), name.begin());
    }
    const std::wstring filter = dialogFilter(dialog.filter);
    const std::wstring initialDir = expanded(dialog.initialDir);
    std::wstring defaultExt = wide(dialog.defaultExt);
    if (!defaultExt.empty() && defaultExt.front() == L'.')
        defaultExt.erase(0, 1);

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = windowOf(dialog.form());
    request.lpstrFilter = dialog.filter.empty() ? nullptr : filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = name.data();
    request.nMaxFile = static_cast<DWORD>(name.size());
    request.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    request.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    request.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (dialog.options.overwritePrompt)
        request.Flags |= OFN_OVERWRITEPROMPT;
    if (dialog.options.hideReadOnly)
        request.Flags |= OFN_HIDEREADONLY;
    if (dialog.options.enableSizing)
        request.Flags |= OFN_ENABLESIZING;
    if (dialog.options.fileMustExist)
        request.Flags |= OFN_FILEMUSTEXIST;
    if (dialog.options.pathMustExist)
        request.Flags |= OFN_PATHMUSTEXIST;
    const BOOL confirmed = dialog.kind() == FileDialog::Kind::Open ? GetOpenFileNameW(&request)
                                                                   : GetSaveFileNameW(&request);
    if (!confirmed)
        return false;
    name.back() = L'\0';
    dialog.fileName = utf16(name.data());
    return true;
}

MessageBoxAnswer Win32Backend::messageBox(Form* owner, const std::u16string& text,
                                          const std::u16string& caption,
                                          MessageBoxButtons buttons) {
    UINT type = MB_OK;
    if (buttons == MessageBoxButtons::OkCancel)
        type = MB_OKCANCEL;
    if (buttons == MessageBoxButtons::YesNo)
        type = MB_YESNO;
    const int answer = MessageBoxW(owner != nullptr ? windowOf(*owner) : nullptr,
                                   wide(text).c_str(), wide(caption).c_str(), type);
    switch (answer) {
        case IDCANCEL:
            return MessageBoxAnswer::Cancel;
        case IDYES:
            return MessageBoxAnswer::Yes;
        case IDNO:
            return MessageBoxAnswer::No;
        default:
            return MessageBoxAnswer::Ok;
    }
}

}  // namespace forms::win32
