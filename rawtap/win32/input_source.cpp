#include "input_source.h"

#include "system_raw_input_source.h"

namespace rawtap::win32 {

RawInputSource& inputSource() {
    static SystemRawInputSource system;
    return system;
}

}  // namespace rawtap::win32
