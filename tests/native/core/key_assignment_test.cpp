#include <gtest/gtest.h>

#include <algorithm>

#include "common/utf16_field.h"
#include "stormline/core/configuration_model.h"

namespace {

using core::ConfigurationModel;
using core::FunctionCode;
using core::KeyRecord;
using core::ModeByte;

// A model whose keys carry their codes, as after the main window is created.
struct Model : ::testing::Test {
    ConfigurationModel model;
    Model() { model.assignKeyCodes(); }

    KeyRecord& record(int profile, int key) { return *model.findRecord(profile, key); }

    // A recorded macro that fills all twenty slots, so leftovers behind a shorter block show.
    static common::KeyBlock fullMacro() {
        common::KeyBlock block{};
        for (std::size_t slot = 0; slot < 20; ++slot) {
            block[2 * slot] = static_cast<std::uint8_t>(0x04 + slot);
            block[2 * slot + 1] = slot % 2 ? 0x85 : 0x03;
        }
        block[39] |= 0x40;
        block[40] = ModeByte::RepeatWhileHeld;
        return block;
    }

    static bool nameFieldIs(const KeyRecord& r, std::u16string_view text) {
        auto rest = std::span(r.name).subspan(text.size());
        return r.nameText() == text &&
               std::all_of(rest.begin(), rest.end(), [](char16_t u) { return u == 0; });
    }
};

TEST_F(Model, ShortcutsWriteControlAroundTheirLetterAndKeepTheOldTail) {
    struct Case {
        std::int32_t code;
        std::u16string_view name;
        std::uint8_t letter;
    };
    const Case cases[] = {{2, u"CUT", 0x1B},  {3, u"COPY", 0x06},  {4, u"PASTE", 0x19},
                          {5, u"UNDO", 0x1D}, {6, u"ALL", 0x04},   {7, u"FIND", 0x09},
                          {8, u"NEW", 0x11},  {9, u"PRINT", 0x13}, {10, u"SAVE", 0x16}};
    const common::KeyBlock old = fullMacro();
    for (const Case& c : cases) {
        ASSERT_TRUE(model.assignMacro(0, 3, old));
        ASSERT_TRUE(model.assignShortcut(0, 3, c.code));
        const common::KeyBlock block = model.keyBlock(0, 3);
        const std::uint8_t head[] = {0xE0, 0x00, c.letter, 0x00, c.letter, 0x80, 0xE0, 0xC0};
        EXPECT_TRUE(std::equal(std::begin(head), std::end(head), block.begin())) << c.code;
        EXPECT_TRUE(std::equal(old.begin() + 8, old.begin() + 40, block.begin() + 8)) << c.code;
        EXPECT_EQ(block[40], ModeByte::FixedSequence);
        EXPECT_TRUE(nameFieldIs(record(0, 3), c.name)) << c.code;
        EXPECT_EQ(record(0, 3).function, c.code);
    }
}

TEST_F(Model, CodesThatAreNoShortcutAreRefused) {
    ASSERT_TRUE(model.assignMacro(1, 1, fullMacro()));
    for (std::int32_t code : {-1, 0, 1, 11, 12, 256}) {
        EXPECT_FALSE(model.assignShortcut(1, 1, code)) << code;
        EXPECT_EQ(model.keyBlock(1, 1), fullMacro());
        EXPECT_EQ(record(1, 1).function, FunctionCode::Macro);
        EXPECT_EQ(record(1, 1).nameText(), u"MACRO");
    }
}

TEST_F(Model, LaunchWritesTheKeysOwnCodeAndKeepsTheRestOfTheBlock) {
    const common::KeyBlock old = fullMacro();
    ASSERT_TRUE(model.assignMacro(3, 9, old));
    ASSERT_TRUE(model.assignLaunch(3, 9, u"C:\\Program Files\\Tool\\tool.exe"));
    const common::KeyBlock block = model.keyBlock(3, 9);
    const std::uint8_t head[] = {0xBF, 0x00, 0xBF, 0xC0};
    EXPECT_TRUE(std::equal(std::begin(head), std::end(head), block.begin()));
    EXPECT_TRUE(std::equal(old.begin() + 4, old.begin() + 40, block.begin() + 4));
    EXPECT_EQ(block[40], ModeByte::FixedSequence);
    EXPECT_TRUE(nameFieldIs(record(3, 9), u"LAUNCH"));
    EXPECT_EQ(record(3, 9).function, FunctionCode::Launch);
    EXPECT_EQ(record(3, 9).launchPathText(), u"C:\\Program Files\\Tool\\tool.exe");
    EXPECT_EQ(model.launchPathTable.path(3, 9), u"C:\\Program Files\\Tool\\tool.exe");
}

TEST_F(Model, RebuildingALaunchBlockGivesItTheKeysOwnCode) {
    // A LAUNCH key loaded from a file saved from profile 0, key 2.
    common::KeyBlock loaded = fullMacro();
    loaded[0] = loaded[2] = 0x9A;
    loaded[3] = 0xC0;
    loaded[40] = ModeByte::FixedSequence;
    ASSERT_TRUE(model.setKeyBlock(2, 7, loaded));
    record(2, 7).function = FunctionCode::Launch;
    common::setField(record(2, 7).name, u"LAUNCH");
    common::setField(record(2, 7).launchPath, u"C:\\from file.exe");

    ASSERT_TRUE(model.rebuildLaunchBlock(2, 7));
    const common::KeyBlock block = model.keyBlock(2, 7);
    const std::uint8_t head[] = {0xB3, 0x00, 0xB3, 0xC0};
    EXPECT_TRUE(std::equal(std::begin(head), std::end(head), block.begin()));
    EXPECT_TRUE(std::equal(loaded.begin() + 4, loaded.begin() + 40, block.begin() + 4));
    EXPECT_EQ(block[40], ModeByte::FixedSequence);
    EXPECT_EQ(record(2, 7).launchPathText(), u"C:\\from file.exe");
    EXPECT_EQ(record(2, 7).function, FunctionCode::Launch);
    EXPECT_FALSE(model.rebuildLaunchBlock(4, 7));
}

TEST_F(Model, LaunchPathOfTheFieldsFullLengthIsRefusedNotCut) {
    const std::u16string longest(511, u'a');
    ASSERT_TRUE(model.assignLaunch(1, 2, longest));
    EXPECT_EQ(record(1, 2).launchPathText(), longest);
    EXPECT_EQ(record(1, 2).launchPath[511], u'\0');

    const std::u16string tooLong = u"C:\\" + std::u16string(509, u'b');
    ASSERT_EQ(tooLong.size(), 512u);
    for (std::u16string_view refused :
         {std::u16string_view(tooLong), std::u16string_view(u"C:\\a.exe\0x.exe", 14)}) {
        EXPECT_FALSE(model.assignLaunch(1, 3, refused));
        EXPECT_EQ(record(1, 3).nameText(), u"Normal");
        EXPECT_EQ(record(1, 3).function, FunctionCode::None);
        EXPECT_EQ(record(1, 3).launchPathText(), u"");
        EXPECT_EQ(model.keyBlock(1, 3), ConfigurationModel().keyBlock(1, 3));
        EXPECT_EQ(model.launchPathTable.path(1, 3), u"");
    }
}

TEST_F(Model, MacroStoresTheEditorsBlockAndName) {
    ASSERT_TRUE(model.assignLaunch(2, 0, u"C:\\x.exe"));
    ASSERT_TRUE(model.assignMacro(2, 0, fullMacro()));
    EXPECT_EQ(model.keyBlock(2, 0), fullMacro());
    EXPECT_TRUE(nameFieldIs(record(2, 0), u"MACRO"));
    EXPECT_EQ(record(2, 0).function, FunctionCode::Macro);
}

TEST_F(Model, ClearingAProfileBlanksNamesAndBlocksButKeepsPathsAndCodes) {
    ASSERT_TRUE(model.assignLaunch(1, 4, u"C:\\Games\\game.exe"));
    ASSERT_TRUE(model.assignShortcut(1, 5, FunctionCode::Paste));
    ASSERT_TRUE(model.assignMacro(1, 6, fullMacro()));
    ASSERT_TRUE(model.assignShortcut(2, 0, FunctionCode::Copy));

    model.clearProfile(1);

    struct Case {
        int key;
        std::u16string_view blankName;
    };
    for (Case c : {Case{4, u"      "}, Case{5, u"     "}, Case{6, u"     "}, Case{0, u"      "}}) {
        const KeyRecord& r = record(1, c.key);
        EXPECT_TRUE(nameFieldIs(r, c.blankName)) << "key " << c.key;
        EXPECT_EQ(r.function, FunctionCode::None);
        EXPECT_EQ(r.keyBlock(), common::KeyBlock{});
        EXPECT_EQ(r.keyCode, common::keyCodeOf(1, c.key));
    }
    EXPECT_EQ(record(1, 4).launchPathText(), u"C:\\Games\\game.exe");
    EXPECT_EQ(record(2, 0).nameText(), u"COPY");
    EXPECT_EQ(record(2, 0).function, FunctionCode::Copy);
}

TEST_F(Model, ClearingAProfileOutsideTheTableChangesNothing) {
    ASSERT_TRUE(model.assignShortcut(0, 0, FunctionCode::Cut));
    model.clearProfile(-1);
    model.clearProfile(4);
    EXPECT_EQ(record(0, 0).nameText(), u"CUT");
    EXPECT_EQ(record(0, 0).function, FunctionCode::Cut);
}

TEST_F(Model, ClearAllClearsEveryProfile) {
    for (int p = 0; p < 4; ++p)
        ASSERT_TRUE(model.assignShortcut(p, 9, FunctionCode::Undo));
    model.clearAll();
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(record(p, k).function, FunctionCode::None);
            EXPECT_EQ(model.keyBlock(p, k), common::KeyBlock{});
        }
        EXPECT_EQ(record(p, 9).nameText(), u"    ");
        EXPECT_EQ(record(p, 0).nameText(), u"      ");
    }
}

}  // namespace
