#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/profile_layout.h"
#include "stormline/macro/key_block_events.h"
#include "stormline/macro/make_run_rule.h"

namespace {

using common::KeyBlock;
using macro::MacroEvent;

class RecordingMessageBox : public macro::MessageBoxPort {
  public:
    void showMessage(std::u16string_view text) override { shown.emplace_back(text); }
    std::vector<std::u16string> shown;
};

// One letter per slot: A-Z are makes of the keys A to Z, a-z their breaks, '_' an empty slot.
KeyBlock blockOf(const std::string& slots, std::uint8_t mode = common::ModeByte::OneTime) {
    KeyBlock block{};
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        const char c = slots[slot];
        if (c >= 'A' && c <= 'Z') {
            macro::setEventAt(block, slot, macro::makeEvent(std::uint8_t(0x04 + c - 'A')));
        } else if (c >= 'a' && c <= 'z') {
            macro::setEventAt(block, slot, macro::breakEvent(std::uint8_t(0x04 + c - 'a')));
        }
    }
    macro::setMode(block, mode);
    return block;
}

KeyBlock withSlot(KeyBlock block, std::size_t slot, MacroEvent event) {
    macro::setEventAt(block, slot, event);
    return block;
}

TEST(MakeRunRule, CountsMakesInARowAcrossEmptySlots) {
    struct Case {
        KeyBlock block;
        bool passes;
        const char* what;
    };
    const Case cases[] = {
        {blockOf(""), true, "an empty block"},
        {blockOf("ABCDEF"), true, "six makes"},
        {blockOf("ABCDEFG"), false, "seven makes"},
        {blockOf("ABCDEFaG"), true, "a break before the seventh make"},
        {blockOf("ABCDEFgG"), true, "a break of a key never pressed also ends the run"},
        {blockOf("A_B_C_D_E_F_G"), false, "seven makes separated by empty slots"},
        {blockOf("aaaaaaaaaaaaaABCDEFG"), false, "seven makes in the last slots"},
        {blockOf("ABCDEFabcdefABCDEF"), true, "two runs of six"},
        {withSlot(blockOf("ABCDEF_G"), 6, MacroEvent{0x00, 0x80}), true,
         "a release stored without a code resets whatever its code"},
        {withSlot(blockOf("ABCDEF_G"), 6, MacroEvent{0x00, 0x05}), false,
         "an empty slot with a pause is no break"},
        {withSlot(blockOf("ABCDEF_G"), 6, MacroEvent{0x0B, 0xA0}), true,
         "a break with delay 32 is a break"},
        {withSlot(blockOf("ABCDEF_"), 6, MacroEvent{0x0B, 0x40}), false,
         "an end-marked make counts as a make"},
        {blockOf("aaaaaaaaaaaaaaBCDEFG", 0x04), true, "the mode byte is not a slot"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(macro::makeRunWithinLimit(c.block), c.passes) << c.what;
    }
}

TEST(MakeRunRule, RefusalIsShownOnceWithTheSystemsText) {
    RecordingMessageBox box;
    EXPECT_FALSE(macro::checkMakeRun(blockOf("ABCDEFGH"), box));
    EXPECT_EQ(box.shown, std::vector<std::u16string>{u"the \"make\" is too much."});
}

TEST(MakeRunRule, PassingBlockShowsNothing) {
    RecordingMessageBox box;
    EXPECT_TRUE(macro::checkMakeRun(blockOf("ABCDEFaG"), box));
    EXPECT_TRUE(box.shown.empty());
}

}  // namespace
