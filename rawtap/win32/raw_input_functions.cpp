#include "raw_input_functions.h"

namespace rawtap::win32 {

const RawInputFunctions SystemRawInputFunctions{
    .registerRawInputDevices = &::RegisterRawInputDevices,
    .getRawInputData = &::GetRawInputData,
    .getRawInputDeviceInfoA = &::GetRawInputDeviceInfoA,
};

RawInputFunctions& rawInputFunctions() {
    static RawInputFunctions inUse = SystemRawInputFunctions;
    return inUse;
}

}  // namespace rawtap::win32
