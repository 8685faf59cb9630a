#include <gtest/gtest.h>

#include "stormline/core/configuration_model.h"
#include "stormline/core/device_image.h"

namespace {

using core::DeviceImage;
using core::keyboardAddress;
using core::keyImageOffset;

TEST(ImageLayout, KeysLieAtTheirOffsetsAndAddresses) {
    struct Case {
        int profile, key;
        std::size_t offset;
        std::uint16_t address;
    };
    for (Case c : {Case{0, 0, 0, 0x0004}, Case{0, 9, 369, 0x0175}, Case{1, 0, 410, 0x019E},
                   Case{2, 0, 820, 0x0338}, Case{3, 0, 1230, 0x04D2}, Case{3, 9, 1599, 0x0643}}) {
        EXPECT_EQ(keyImageOffset(c.profile, c.key), c.offset) << c.profile << "," << c.key;
        EXPECT_EQ(keyboardAddress(keyImageOffset(c.profile, c.key)), c.address);
    }
    // The last byte of the last key, and the first byte after the image.
    EXPECT_EQ(keyImageOffset(3, 9) + 40, 1639u);
    EXPECT_EQ(keyboardAddress(1639), 0x066B);
    EXPECT_EQ(keyboardAddress(common::DeviceImageSize), 0x066C);
}

// Every key of the model carries a block of its own, so a misplaced copy shows.
struct FilledModel : ::testing::Test {
    core::ConfigurationModel model;
    DeviceImage image;
    FilledModel() {
        for (int p = 0; p < 4; ++p) {
            for (int k = 0; k < 10; ++k) {
                common::KeyBlock block;
                for (std::size_t i = 0; i < block.size(); ++i) {
                    block[i] = static_cast<std::uint8_t>(0x10 * p + k + i + 1);
                }
                model.setKeyBlock(p, k, block);
            }
        }
    }
    bool stretchIsZero(std::size_t from, std::size_t to) const {
        for (std::uint8_t b : image.imageBytes(from, to - from)) {
            if (b != 0)
                return false;
        }
        return true;
    }
};

TEST_F(FilledModel, UploadingProfileTwoFillsItsStretchOnly) {
    image.fillImageFromProfile(model.profileTable, 2);
    EXPECT_TRUE(stretchIsZero(0, 820));
    EXPECT_TRUE(stretchIsZero(1230, 1640));
    for (int k = 0; k < 10; ++k) {
        const common::KeyBlock expected = model.keyBlock(2, k);
        auto bytes = image.imageBytes(keyImageOffset(2, k), 41);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin())) << "key " << k;
    }
}

TEST_F(FilledModel, LastKeyOfLastProfileEndsTheImage) {
    image.fillImageFromProfile(model.profileTable, 3);
    const common::KeyBlock expected = model.keyBlock(3, 9);
    auto bytes = image.imageBytes(1599, 41);
    ASSERT_EQ(bytes.size(), 41u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin()));
}

TEST_F(FilledModel, EarlierUploadsStayAndAProfileOutsideTheTableChangesNothing) {
    image.fillImageFromProfile(model.profileTable, 0);
    model.clearProfile(0);
    image.fillImageFromProfile(model.profileTable, 1);
    image.fillImageFromProfile(model.profileTable, -1);
    image.fillImageFromProfile(model.profileTable, 4);
    EXPECT_EQ(image.imageBytes(0, 1)[0], 1);
    EXPECT_EQ(image.imageBytes(410, 1)[0], 0x11);
    EXPECT_TRUE(stretchIsZero(820, 1640));

    image.clear();
    EXPECT_TRUE(stretchIsZero(0, 1640));
}

TEST(DeviceImage, ReadsStopAtTheImagesEnd) {
    DeviceImage image;
    EXPECT_EQ(image.imageBytes(1635, 5).size(), 5u);
    EXPECT_EQ(image.imageBytes(1638, 5).size(), 2u);
    EXPECT_TRUE(image.imageBytes(1640, 5).empty());
    EXPECT_TRUE(image.imageBytes(SIZE_MAX, SIZE_MAX).empty());
    EXPECT_EQ(image.imageBytes(0, SIZE_MAX).size(), 1640u);
}

}  // namespace
