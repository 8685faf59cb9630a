// Under a display without a window manager, Wine waits two seconds for the manager each time an
// activated window is hidden. For this test program alone, Wine is told to manage no windows.
// Wine reads that setting when a program starts, so the program sets it, runs itself again,
// and removes the setting when that run has ended.

#include <gtest/gtest.h>
#include <windows.h>

namespace {

constexpr wchar_t ProgramSettings[] = L"Software\\Wine\\AppDefaults\\forms_win32_tests.exe";
constexpr wchar_t DriverSettings[] =
    L"Software\\Wine\\AppDefaults\\forms_win32_tests.exe\\X11 Driver";

bool windowsUnmanaged() {
    wchar_t value[4] = {};
    DWORD size = sizeof value;
    return RegGetValueW(HKEY_CURRENT_USER, DriverSettings, L"Managed", RRF_RT_REG_SZ, nullptr,
                        value, &size) == ERROR_SUCCESS &&
           value[0] == L'N';
}

bool setWindowsUnmanaged() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, DriverSettings, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const wchar_t no[] = L"N";
    const bool set = RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(no),
                                    sizeof no) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

// Runs this program again with the same arguments; its exit code, or -1.
int runAgain() {
    wchar_t program[MAX_PATH] = {};
    if (GetModuleFileNameW(nullptr, program, MAX_PATH) == 0)
        return -1;
    std::wstring commandLine = GetCommandLineW();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

}  // namespace

int main(int argc, char** argv) {
    if (!windowsUnmanaged() && setWindowsUnmanaged()) {
        const int result = runAgain();
        RegDeleteTreeW(HKEY_CURRENT_USER, ProgramSettings);
        return result;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
