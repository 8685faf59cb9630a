#include "stormline/macro/make_run_rule.h"

#include "stormline/macro/key_block_events.h"

namespace macro {

bool makeRunWithinLimit(const common::KeyBlock& block) {
    unsigned makesInARow = 0;
    for (std::size_t slot = 0; slot < SlotCount; ++slot) {
        const MacroEvent event = eventAt(block, slot);
        // A break ends the run whatever its code, an unsupported key stored as 0 included.
        if (event.release()) {
            makesInARow = 0;
        } else if (!event.empty() && ++makesInARow > MaxMakesInARow) {
            return false;
        }
    }
    return true;
}

bool checkMakeRun(const common::KeyBlock& block, MessageBoxPort& messageBox) {
    if (makeRunWithinLimit(block)) {
        return true;
    }
    messageBox.showMessage(TooManyMakesText);
    return false;
}

}  // namespace macro
