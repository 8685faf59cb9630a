#pragma once
// What the two messages to the owner window carry besides the device information.

#include <cstdint>

#include "rawtap/raw_input.h"
#include "rawtap/raw_report_info.h"

namespace rawtap {

// The first eight bytes of the first report (report ID first when the device numbers its
// reports), zero-padded. Later reports of a batched input are not passed on.
ReportBlock firstReportBlock(const HidInput& input);

// lParam of the key message: the make code in bits 16-31, 0x1000 in bits 0-15 when the flags
// value lies between 2 and 7, that is when the key came with an E0 or E1 prefix and no
// terminal-server bit. The release bit is dropped, so a press and its release look alike.
std::uint32_t rawKeyLParam(const KeyboardInput& input);

}  // namespace rawtap
