#pragma once
// Where raw input comes from. On Windows this is the system's raw-input service; a stand-in for
// the keyboard can take its place, chosen in one place on the Windows side.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "common/keyboard_identity.h"
#include "rawtap/raw_report_info.h"

namespace rawtap {

// Window, input and device handles are 32-bit values on the library's platform.
using WindowHandle = std::uint32_t;
using InputHandle = std::uint32_t;
using DeviceHandle = std::uint32_t;

// The collections the listener window receives input from, in the order they are registered:
// the keyboard's vendor-defined input collection and its programmable buttons.
constexpr std::array<common::HidCollection, 2> ListenedCollections{common::AnswerCollection,
                                                                   common::ConsumerCollection};

class RawInputSource {
  public:
    virtual ~RawInputSource() = default;

    // Directs the collections' input to the listener window whatever window has the focus.
    virtual bool registerCollections(WindowHandle listener,
                                     std::span<const common::HidCollection> collections) = 0;

    // The number of bytes the input takes, or nothing when the input cannot be asked about.
    virtual std::optional<std::uint32_t> inputSize(InputHandle input) = 0;

    // Copies the input into the buffer; the result is the number of bytes copied, and anything
    // other than the buffer's size means the input could not be read whole.
    virtual std::uint32_t readInput(InputHandle input, std::span<std::uint8_t> buffer) = 0;

    // The device's HID identity and top-level collection, or nothing when the query fails.
    virtual std::optional<RawReportInfo> deviceInfo(DeviceHandle device) = 0;
};

}  // namespace rawtap
