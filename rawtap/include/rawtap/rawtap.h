#pragma once
// Rawtap, the raw input library: InitDLL starts a hidden listener window that passes every raw
// input of the keyboard's two input collections on to the owner window, synchronously, as
// RawReportMessage (wParam: the RawReportInfo block, lParam: the first eight report bytes).
// Both blocks are valid only while the owner handles the message.

#include <cstdint>

#include "common/messages.h"
#include "rawtap/raw_report_info.h"

namespace rawtap {

using common::RawKeyMessage;
using common::RawReportMessage;

}  // namespace rawtap

#if defined(_WIN32)
// Stores the owner window (replaced by every call) and, on the first call, creates the listener
// window and registers it for the two collections. Returns the owner when the window exists and
// the registration succeeded; 0 otherwise, and on every call after the first. Programs bind it
// by ordinal 1 through the import library.
extern "C" std::uint32_t __stdcall InitDLL(std::uint32_t ownerWindow);
#endif
