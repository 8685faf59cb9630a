#include "wine_wait.h"

namespace forms::testing {

bool pumpUntil(const std::function<bool()>& condition, double seconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

bool startUnixProgram(const std::wstring& commandLine) {
    const std::wstring program = commandLine.substr(0, commandLine.find(L' '));
    std::wstring arguments = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), arguments.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    if (process.hThread != nullptr)
        CloseHandle(process.hThread);
    if (process.hProcess != nullptr)
        CloseHandle(process.hProcess);
    return true;
}

}  // namespace forms::testing
