#pragma once
// The keyboard plays at most six makes in a row. Walking the slots from the first, each make of
// a key adds one to the run and each break ends it; empty slots change nothing and the mode byte
// takes no part.

#include <string_view>

#include "common/profile_layout.h"
#include "stormline/macro/message_box_port.h"

namespace macro {

constexpr unsigned MaxMakesInARow = 6;
constexpr std::u16string_view TooManyMakesText = u"the \"make\" is too much.";

// Whether no run of makes in the block is longer than the keyboard plays.
bool makeRunWithinLimit(const common::KeyBlock& block);

// The same check for the editing operations: a block that breaks the rule is refused, and the
// user is told so by a message box.
bool checkMakeRun(const common::KeyBlock& block, MessageBoxPort& messageBox);

}  // namespace macro
