#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "stormline/macro/key_names.h"

namespace {

// Names every key by its word, and remembers which words it was asked for.
class RecordingKeyNames : public macro::KeyNames {
  public:
    std::u16string nameOf(std::uint32_t keyMessageWord) override {
        asked.push_back(keyMessageWord);
        return u"key " + std::u16string(1, static_cast<char16_t>(u'A' + asked.size() - 1));
    }
    std::vector<std::uint32_t> asked;
};

TEST(StoredKeyName, AsksTheSystemWithTheKeyMessageWordOfTheStoredCode) {
    struct Case {
        std::uint8_t code;
        std::uint32_t word;
        const char* what;
    };
    const Case cases[] = {
        {0x04, 0x001E0000, "A"},
        {0x53, 0x01450000, "Num Lock, extended"},
        {0x48, 0x01460000, "Pause, under the extended code of Ctrl+Break"},
        {0x32, 0x002B0000, "the ISO key, under the backslash key's scan code"},
        {0xE5, 0x00360000, "right Shift, under its plain scan code"},
        {0xE7, 0x015C0000, "right Windows"},
    };
    for (const Case& c : cases) {
        RecordingKeyNames names;
        EXPECT_EQ(macro::storedKeyName(c.code, names), u"key A") << c.what;
        EXPECT_EQ(names.asked, std::vector<std::uint32_t>{c.word}) << c.what;
    }
}

TEST(StoredKeyName, PrintScreenHasItsOwnShortName) {
    RecordingKeyNames names;
    EXPECT_EQ(macro::storedKeyName(0x46, names), u"Prnt Scrn");
    EXPECT_EQ(macro::keyMessageName(0x01370000, names), u"Prnt Scrn");
    EXPECT_TRUE(names.asked.empty());
}

TEST(StoredKeyName, PlainPrintScreenCodeIsAskedForLikeAnyOtherKey) {
    RecordingKeyNames names;
    EXPECT_EQ(macro::keyMessageName(0x00540000, names), u"key A");
    EXPECT_EQ(names.asked, std::vector<std::uint32_t>{0x00540000});
}

TEST(StoredKeyName, CodesWithoutAScanCodeHaveNoNameAndAskNothing) {
    for (const std::uint8_t code : {0x00, 0x66, 0x86, 0xFF}) {
        RecordingKeyNames names;
        EXPECT_EQ(macro::storedKeyName(code, names), u"") << unsigned{code};
        EXPECT_TRUE(names.asked.empty());
    }
}

}  // namespace
