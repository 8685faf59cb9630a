#pragma once
// The raw-input entry points the library calls, gathered in one table so that a test can put
// fakes in their place and feed the listener window inputs of its own.

#include <windows.h>

namespace rawtap::win32 {

struct RawInputFunctions {
    decltype(&::RegisterRawInputDevices) registerRawInputDevices;
    decltype(&::GetRawInputData) getRawInputData;
    decltype(&::GetRawInputDeviceInfoA) getRawInputDeviceInfoA;
};

// The system's own functions.
extern const RawInputFunctions SystemRawInputFunctions;

// The table in use; it holds the system's functions until it is replaced.
RawInputFunctions& rawInputFunctions();

}  // namespace rawtap::win32
