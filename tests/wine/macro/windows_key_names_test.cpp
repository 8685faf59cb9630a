#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "stormline/macro/key_names.h"
#include "stormline/macro/win32/windows_key_names.h"

namespace {

// Names differ between systems and layouts, so only their presence is checked.
TEST(WindowsKeyNames, CommonKeysHaveNames) {
    macro::WindowsKeyNames names;
    for (const std::uint32_t word : {0x001E0000u, 0x001C0000u, 0x001D0000u, 0x01480000u}) {
        EXPECT_FALSE(names.nameOf(word).empty()) << std::hex << word;
    }
}

TEST(WindowsKeyNames, StoredKeysAreNamedThroughTheSystem) {
    macro::WindowsKeyNames names;
    EXPECT_EQ(macro::storedKeyName(0x04, names), names.nameOf(0x001E0000));
    EXPECT_EQ(macro::storedKeyName(0x46, names), u"Prnt Scrn");
    EXPECT_EQ(macro::storedKeyName(0x00, names), u"");
}

}  // namespace
