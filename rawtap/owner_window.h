#pragma once
// Where the listener's results go: the messages to the window that started Rawtap, and the box
// shown when an input cannot be read.

#include <cstdint>

#include "rawtap/raw_report_info.h"

namespace rawtap {

class OwnerWindow {
  public:
    virtual ~OwnerWindow() = default;

    // Both blocks live only for the duration of the call: the owner copies what it needs
    // while it handles the message.
    virtual void sendRawReport(const RawReportInfoBlock& info, const ReportBlock& report) = 0;
    virtual void sendRawKey(std::uint32_t lParam) = 0;
};

class InputErrorBox {
  public:
    virtual ~InputErrorBox() = default;

    // Modal: returns when the user closes the box. Input that arrives meanwhile is dispatched
    // by the box's own message loop.
    virtual void show() = 0;
};

}  // namespace rawtap
