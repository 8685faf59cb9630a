#include "common/locations.h"

#include <gtest/gtest.h>

namespace {

TEST(Locations, LaunchPathSectionsAndKeysAreDecimal) {
    EXPECT_EQ(common::launchPathSection(0), u"Profile0");
    EXPECT_EQ(common::launchPathSection(3), u"Profile3");
    EXPECT_EQ(common::launchPathKeyName(9), u"9");
}

TEST(Locations, DataFilesLieInTheKestrelFolder) {
    std::u16string shared = u"C:\\users\\Public\\Documents";
    EXPECT_EQ(common::dataFolder(shared), u"C:\\users\\Public\\Documents\\Kestrel");
    EXPECT_EQ(common::launchPathFile(shared),
              u"C:\\users\\Public\\Documents\\Kestrel\\LaunchPath.ini");
    EXPECT_EQ(common::backupFile(shared), u"C:\\users\\Public\\Documents\\Kestrel\\KFile.KS1");
}

}  // namespace
