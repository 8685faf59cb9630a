#include "common/utf16_field.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using common::blankField;
using common::fieldText;
using common::setField;

// A field with guard units on both sides shows any write outside it.
struct GuardedField {
    std::array<char16_t, 8> units;
    std::span<char16_t> field() { return std::span(units).subspan(1, 6); }
    bool guardsIntact() const { return units.front() == u'#' && units.back() == u'#'; }
    GuardedField() { units.fill(u'#'); }
};

TEST(Utf16Field, TextThatFitsIsStoredAndZeroPadded) {
    GuardedField g;
    setField(g.field(), u"abc");
    EXPECT_EQ(fieldText(g.field()), u"abc");
    EXPECT_EQ(g.field()[3], u'\0');
    EXPECT_EQ(g.field()[5], u'\0');
    EXPECT_TRUE(g.guardsIntact());
}

TEST(Utf16Field, LongTextIsCutWithTerminatorKept) {
    GuardedField g;
    setField(g.field(), u"abcdefghij");
    EXPECT_EQ(fieldText(g.field()), u"abcde");
    EXPECT_EQ(g.field()[5], u'\0');
    EXPECT_TRUE(g.guardsIntact());
}

TEST(Utf16Field, UnterminatedFieldReadsNoFurtherThanItsEnd) {
    std::array<char16_t, 4> full{u'w', u'x', u'y', u'z'};
    EXPECT_EQ(fieldText(full), u"wxyz");
}

TEST(Utf16Field, EmptyFieldTakesNothing) {
    std::span<char16_t> none;
    setField(none, u"abc");
    EXPECT_EQ(fieldText(none), u"");
}

TEST(Utf16Field, FitsNeedsRoomForTheTerminator) {
    EXPECT_TRUE(common::fitsField(u"abc", 4));
    EXPECT_FALSE(common::fitsField(u"abcd", 4));
    EXPECT_FALSE(common::fitsField(std::u16string_view(u"a\0b", 3), 8));
}

TEST(Utf16Field, BlankKeepsLengthAndTerminator) {
    std::array<char16_t, 8> name{};
    setField(name, u"LAUNCH");
    blankField(name);
    EXPECT_EQ(fieldText(name), u"      ");
    EXPECT_EQ(name[6], u'\0');
}

}  // namespace
