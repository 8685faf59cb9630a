#include "forms/skin.h"

#include <gtest/gtest.h>

#include "bmp_builder.h"
#include "test_folder.h"

namespace forms {
namespace {

using testing::buildBmp;
using testing::TestFolder;

TEST(SkinFile, ReadsPicturesColoursAndOptionsOfEachElement) {
    TestFolder folder;
    folder.writeBytes("skin/button.bmp", buildBmp(4, 2, [](int, int) { return colours::Red; }));
    folder.writeBytes("skin/states/button_down.bmp",
                      buildBmp(4, 2, [](int, int) { return colours::White; }));
    folder.write("skin/mainskin.ini",
                 "; the main skin\r\n"
                 "[button]\r\n"
                 "picture = button.bmp\r\n"
                 "down=states/button_down.bmp\r\n"
                 "hover=missing.bmp\r\n"
                 "textcolour=E0F0FF\r\n"
                 "transparent=ff00FF\r\n"
                 "stretch=0\r\n"
                 "[traypanel]\n"
                 "colour=1B1B1B\n"
                 "framecolour=not a colour\n"
                 "[form:TForm6Loading]\n"
                 "colour=202020\n");
    const Skin skin = Skin::load(folder.path() / "skin" / "mainskin.ini");

    const SkinElement* button = skin.find("button");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->pictureFor(VisualState::Normal)->at(0, 0), colours::Red);
    EXPECT_EQ(button->pictureFor(VisualState::Down)->at(0, 0), colours::White);
    // States without a picture of their own fall back to the normal picture.
    EXPECT_EQ(button->pictureFor(VisualState::Hover)->at(0, 0), colours::Red);
    EXPECT_EQ(button->pictureFor(VisualState::Disabled)->at(0, 0), colours::Red);
    EXPECT_EQ(button->textColour, Colour::rgb(0xE0, 0xF0, 0xFF));
    EXPECT_EQ(button->transparent, Colour::rgb(0xFF, 0x00, 0xFF));
    EXPECT_FALSE(button->stretch);

    const SkinElement* panel = skin.find("TRAYPANEL");
    ASSERT_NE(panel, nullptr) << "element names compare without regard to case";
    EXPECT_EQ(panel->pictureFor(VisualState::Normal), nullptr);
    EXPECT_EQ(panel->colour, Colour::rgb(0x1B, 0x1B, 0x1B));
    EXPECT_FALSE(panel->frameColour) << "a malformed colour is no colour";
    EXPECT_TRUE(panel->stretch);

    ASSERT_NE(skin.formElement("TForm6Loading"), nullptr);
    EXPECT_EQ(skin.find("p1button"), nullptr);
    EXPECT_EQ(skin.find(""), nullptr);
}

TEST(SkinFile, MissingOrMalformedFileGivesAnEmptySkin) {
    TestFolder folder;
    EXPECT_TRUE(Skin::load(folder.path() / "skin" / "mainskin.ini").empty());
    folder.write("skin/broken.ini", "button\npicture=x.bmp\n[unclosed\nkey=value\n=novalue\n");
    EXPECT_TRUE(Skin::load(folder.path() / "skin" / "broken.ini").empty());
}

TEST(SkinFile, HexColoursNeedExactlySixDigits) {
    EXPECT_EQ(parseHexColour("1b2C3d"), Colour::rgb(0x1B, 0x2C, 0x3D));
    for (const char* bad : {"", "12345", "1234567", "12345G", "#12345"}) {
        EXPECT_FALSE(parseHexColour(bad)) << bad;
    }
}

}  // namespace
}  // namespace forms
