// Rawtap.dll: the module's entry point and its one export.

#include <windows.h>

#include "listener_window.h"
#include "rawtap/rawtap.h"

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        rawtap::win32::recordModuleInstance(module);
    return TRUE;
}

extern "C" std::uint32_t __stdcall InitDLL(std::uint32_t ownerWindow) {
    return rawtap::win32::initDll(ownerWindow);
}
