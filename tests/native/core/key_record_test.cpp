#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/utf16_field.h"
#include "stormline/core/configuration_model.h"

namespace {

using core::ConfigurationModel;
using core::KeyRecord;

bool allZero(std::span<const std::uint8_t> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

bool allZero(std::span<const char16_t> units) {
    return std::all_of(units.begin(), units.end(), [](char16_t u) { return u == 0; });
}

struct FreshModel : ::testing::Test {
    ConfigurationModel model;
};

TEST_F(FreshModel, EveryRecordStartsAsANormalKeyWithAnEmptyOneTimeMacro) {
    for (const core::Profile& profile : model.profileTable.profiles) {
        for (const KeyRecord& record : profile.keys) {
            EXPECT_EQ(record.nameText(), u"Normal");
            EXPECT_TRUE(allZero(std::span(record.name).subspan(6)));
            EXPECT_EQ(record.function, core::FunctionCode::None);
            EXPECT_EQ(record.modeByte(), core::ModeByte::OneTime);
            EXPECT_TRUE(allZero(std::span(record.keyData).first(40)));
            EXPECT_TRUE(allZero(std::span(record.keyData).subspan(41)));
            EXPECT_TRUE(allZero(record.launchPath));
            EXPECT_EQ(record.keyCode, 0);
        }
    }
    EXPECT_EQ(model.currentProfile, 0);
    EXPECT_EQ(model.currentKey, 0);
    EXPECT_FALSE(model.fileLoaded);
}

TEST_F(FreshModel, TrailingFieldsAndLaunchPathTableStartEmpty) {
    EXPECT_TRUE(allZero(model.profileTable.trailingName));
    EXPECT_TRUE(allZero(model.profileTable.trailingPath));
    EXPECT_TRUE(allZero(model.profileTable.reserved));
    for (const core::LaunchPathEntry& entry : model.launchPathTable.entries) {
        EXPECT_TRUE(allZero(entry.keyBlockArea));
        EXPECT_TRUE(allZero(entry.name));
        EXPECT_TRUE(allZero(entry.path));
    }
}

TEST_F(FreshModel, KeyCodesFollowProfileAndKeyAndAreUnique) {
    model.assignKeyCodes();
    struct Case {
        int profile, key;
        std::uint8_t code;
    };
    for (Case c : {Case{0, 0, 0x98}, Case{0, 9, 0xA1}, Case{1, 2, 0xA4}, Case{2, 5, 0xB1},
                   Case{3, 0, 0xB6}, Case{3, 9, 0xBF}}) {
        EXPECT_EQ(model.findRecord(c.profile, c.key)->keyCode, c.code)
            << "profile " << c.profile << " key " << c.key;
    }
    std::set<std::uint8_t> codes;
    for (const core::Profile& profile : model.profileTable.profiles) {
        for (const KeyRecord& record : profile.keys)
            codes.insert(record.keyCode);
    }
    EXPECT_EQ(codes.size(), 40u);
}

TEST_F(FreshModel, CurrentProfileOutsideTheTableIsStoredBackAsZero) {
    struct Case {
        std::int16_t stored;
        int used;
    };
    for (Case c :
         {Case{-1, 0}, Case{0, 0}, Case{2, 2}, Case{3, 3}, Case{4, 0}, Case{-2, 0}, Case{300, 0}}) {
        model.currentProfile = c.stored;
        EXPECT_EQ(model.normaliseCurrentProfile(), c.used) << "stored " << c.stored;
        EXPECT_EQ(model.currentProfile, c.used);
    }
}

TEST_F(FreshModel, KeyBlockMovesBytes0To40Only) {
    common::KeyBlock block;
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i + 1);
    ASSERT_TRUE(model.setKeyBlock(1, 7, block));
    EXPECT_EQ(model.keyBlock(1, 7), block);
    const KeyRecord& record = *model.findRecord(1, 7);
    EXPECT_TRUE(allZero(std::span(record.keyData).subspan(41)));
    EXPECT_EQ(record.nameText(), u"Normal");
    EXPECT_EQ(model.keyBlock(1, 6)[40], core::ModeByte::OneTime);
}

TEST_F(FreshModel, KeysOutsideTheTableAreRefusedAndReadAsZero) {
    common::KeyBlock block;
    block.fill(0x55);
    struct Case {
        int profile, key;
    };
    for (Case c : {Case{-1, 0}, Case{4, 0}, Case{0, -1}, Case{0, 10}}) {
        EXPECT_EQ(model.findRecord(c.profile, c.key), nullptr);
        EXPECT_FALSE(model.setKeyBlock(c.profile, c.key, block));
        EXPECT_EQ(model.keyBlock(c.profile, c.key), common::KeyBlock{});
        EXPECT_FALSE(model.assignShortcut(c.profile, c.key, core::FunctionCode::Cut));
        EXPECT_FALSE(model.assignLaunch(c.profile, c.key, u"C:\\a.exe"));
        EXPECT_FALSE(model.assignMacro(c.profile, c.key, block));
    }
    ConfigurationModel untouched;
    for (int p = 0; p < 4; ++p) {
        for (int k = 0; k < 10; ++k)
            EXPECT_EQ(model.keyBlock(p, k), untouched.keyBlock(p, k));
    }
}

TEST(LaunchPathTable, PathsAreKeptPerProfileAndKeyAndNeverCut) {
    core::LaunchPathTable table;
    EXPECT_TRUE(table.setPath(2, 4, u"C:\\Games\\run.exe"));
    EXPECT_EQ(table.path(2, 4), u"C:\\Games\\run.exe");
    EXPECT_EQ(common::fieldText(table.entries[24].path), u"C:\\Games\\run.exe");
    EXPECT_EQ(table.path(4, 2), u"");

    const std::u16string longest(511, u'x');
    EXPECT_TRUE(table.setPath(3, 9, longest));
    EXPECT_EQ(table.path(3, 9), longest);
    EXPECT_FALSE(table.setPath(3, 9, std::u16string(512, u'y')));
    EXPECT_EQ(table.path(3, 9), longest);
    EXPECT_FALSE(table.setPath(0, 10, u"C:\\a.exe"));
}

}  // namespace
