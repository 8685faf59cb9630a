#pragma once
// Facts of the main window's design that other forms depend on.

#include "forms/geometry.h"

namespace stormline {

// The third profile button's place in the main window's client area; the dialogs open
// relative to it.
constexpr forms::Point Profile3ButtonPosition{154, 81};
// The dialogs' top edge lies this far below the third profile button's top.
constexpr int DialogDropBelowProfile3 = 160;

}  // namespace stormline
