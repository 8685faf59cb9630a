#pragma once
// The library's one set of state: the module, the owner window and the hidden listener window
// that turns raw input into messages to the owner.

#include <windows.h>

#include <cstdint>

namespace rawtap::win32 {

// The module the listener window class belongs to, recorded when the library is loaded.
void recordModuleInstance(HINSTANCE module);

// What InitDLL does: replace the owner, then, on the first call only, create the listener window
// and register it for the keyboard's input collections.
std::uint32_t initDll(std::uint32_t ownerWindow);

}  // namespace rawtap::win32
