#pragma once
// Where the listener window's raw input comes from.

#include "rawtap/raw_input_source.h"

namespace rawtap::win32 {

// The one place that chooses the source: the registration and every input go through it, so a
// stand-in for the keyboard can take the system's place here without touching anything else.
RawInputSource& inputSource();

}  // namespace rawtap::win32
