#include <gtest/gtest.h>

#include <initializer_list>

#include "common/utf16_field.h"
#include "stormline/core/classification.h"
#include "stormline/core/configuration_model.h"

namespace {

using core::FunctionCode;
using core::ModeByte;

common::KeyBlock block(std::initializer_list<std::uint8_t> head, std::uint8_t mode) {
    common::KeyBlock b{};
    std::copy(head.begin(), head.end(), b.begin());
    b[40] = mode;
    return b;
}

common::KeyBlock shortcutBlock(std::uint8_t letter) {
    return block({0xE0, 0x00, letter, 0x00, letter, 0x80, 0xE0, 0xC0}, ModeByte::FixedSequence);
}

struct Case {
    const char* what;
    common::KeyBlock block;
    std::int32_t previous;
    std::int32_t expected;
};

TEST(ClassifiedFunction, FollowsTheBlocksModeAndFirstEvent) {
    const Case cases[] = {
        {"paste shortcut", shortcutBlock(0x19), 0, FunctionCode::Paste},
        {"cut shortcut", shortcutBlock(0x1B), 1, FunctionCode::Cut},
        {"copy shortcut", shortcutBlock(0x06), 0, FunctionCode::Copy},
        {"undo shortcut", shortcutBlock(0x1D), 0, FunctionCode::Undo},
        {"all shortcut", shortcutBlock(0x04), 0, FunctionCode::All},
        {"find shortcut", shortcutBlock(0x09), 0, FunctionCode::Find},
        {"new shortcut", shortcutBlock(0x11), 0, FunctionCode::New},
        {"print shortcut", shortcutBlock(0x13), 0, FunctionCode::Print},
        {"save shortcut", shortcutBlock(0x16), 0, FunctionCode::Save},
        {"control with another letter", shortcutBlock(0x05), 7, 7},
        {"launch of another profile's key", block({0xB7, 0x00, 0xB7, 0xC0}, 0xB0), 0, 11},
        {"launch, first key code", block({0x98, 0x00, 0x98, 0xC0}, 0xB0), 0, 11},
        {"launch, last key code", block({0xBF, 0x00, 0xBF, 0xC0}, 0xB0), 0, 11},
        {"below the key codes", block({0x97, 0x00, 0x97, 0xC0}, 0xB0), 3, 3},
        {"above the key codes", block({0xC0, 0x00, 0xC0, 0xC0}, 0xB0), 3, 3},
        {"fixed sequence without events", block({}, 0xB0), 11, 11},
        {"one-time macro", block({0x04, 0x00, 0x04, 0xC0}, 0xA0), 0, 1},
        {"repeat-while-held macro", block({0x04, 0x40}, 0xA1), 11, 1},
        {"repeat-until-next macro", block({0x2C, 0x40}, 0xA2), 4, 1},
        {"macro mode with empty first slot", block({0x00, 0x00, 0x04, 0xC0}, 0xA1), 9, 9},
        {"cleared key keeps its code", block({}, ModeByte::Cleared), 5, 5},
        {"cleared mode with events", block({0x04, 0xC0}, ModeByte::Cleared), 2, 2},
        {"unknown mode", block({0x04, 0xC0}, 0xA3), 6, 6},
        {"key code under a macro mode", block({0xA4, 0x00, 0xA4, 0xC0}, 0xA0), 11, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(core::classifiedFunction(c.block, c.previous), c.expected) << c.what;
    }
}

TEST(ClassifyFromKeyBlocks, RederivesEveryFunctionAndLeavesNamesAndPaths) {
    core::ConfigurationModel model;
    model.assignKeyCodes();
    ASSERT_TRUE(model.assignLaunch(0, 0, u"C:\\keep.exe"));
    // A download brought the keyboard's blocks; the names and paths are the model's own.
    ASSERT_TRUE(model.setKeyBlock(0, 0, shortcutBlock(0x19)));
    ASSERT_TRUE(model.setKeyBlock(0, 1, block({0xB7, 0x00, 0xB7, 0xC0}, 0xB0)));
    ASSERT_TRUE(model.setKeyBlock(3, 9, block({0x04, 0x40}, 0xA2)));
    model.findRecord(2, 2)->function = FunctionCode::Save;
    ASSERT_TRUE(model.setKeyBlock(2, 2, block({}, ModeByte::Cleared)));

    model.classifyFromKeyBlocks();

    EXPECT_EQ(model.findRecord(0, 0)->function, FunctionCode::Paste);
    EXPECT_EQ(model.findRecord(0, 0)->nameText(), u"LAUNCH");
    EXPECT_EQ(model.findRecord(0, 0)->launchPathText(), u"C:\\keep.exe");
    EXPECT_EQ(model.findRecord(0, 1)->function, FunctionCode::Launch);
    EXPECT_EQ(model.findRecord(0, 1)->nameText(), u"Normal");
    EXPECT_EQ(model.findRecord(3, 9)->function, FunctionCode::Macro);
    EXPECT_EQ(model.findRecord(2, 2)->function, FunctionCode::Save);
    EXPECT_EQ(model.findRecord(1, 5)->function, FunctionCode::None);
}

}  // namespace
