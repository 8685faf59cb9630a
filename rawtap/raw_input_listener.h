#pragma once
// The listener window's handling of one raw input: read it from the source and pass HID input
// and keyboard input on to the owner window.

#include <cstdint>
#include <span>

#include "rawtap/owner_window.h"
#include "rawtap/raw_input_source.h"

namespace rawtap {

class RawInputListener {
  public:
    RawInputListener(RawInputSource& source, OwnerWindow& owner, InputErrorBox& errorBox);

    void onRawInput(InputHandle input);

  private:
    void reportInputError();
    void dispatch(std::span<const std::uint8_t> bytes);

    RawInputSource& source_;
    OwnerWindow& owner_;
    InputErrorBox& errorBox_;
    bool errorBoxOpen_ = false;
};

}  // namespace rawtap
