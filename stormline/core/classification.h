#pragma once
// What a key block read back from the keyboard says about the key's function.

#include <cstdint>

#include "common/profile_layout.h"

namespace core {

// The function a key has after a download: a fixed sequence of Control and a shortcut letter
// is that shortcut, a fixed sequence starting with one of the forty key codes is a launch, and a
// macro with a first event is a macro. Any other block keeps the function the key had.
std::int32_t classifiedFunction(const common::KeyBlock& block, std::int32_t previous);

}  // namespace core
