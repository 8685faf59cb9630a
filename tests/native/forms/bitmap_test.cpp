#include "forms/bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "bmp_builder.h"
#include "common/little_endian.h"

namespace forms {
namespace {

using testing::buildBmp;
using testing::gradient;

void expectGradient(const Bitmap& bitmap, int width, int height) {
    ASSERT_EQ(bitmap.width(), width);
    ASSERT_EQ(bitmap.height(), height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(bitmap.at(x, y), gradient(x, y)) << x << "," << y;
    }
}

TEST(BmpDecoding, ReadsEveryLayoutTheArtworkUses) {
    // Odd widths exercise the row padding to four bytes.
    for (const bool topDown : {false, true}) {
        for (const int bits : {24, 32}) {
            SCOPED_TRACE("top-down " + std::to_string(topDown) + ", bits " + std::to_string(bits));
            const auto bitmap = decodeBmp(buildBmp(5, 3, gradient, topDown, bits));
            ASSERT_TRUE(bitmap);
            expectGradient(*bitmap, 5, 3);
        }
    }
}

struct Damage {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> apply;
};

TEST(BmpDecoding, RefusesMalformedFilesWithoutReadingPastThem) {
    const Damage damages[] = {
        {"empty", [](auto& f) { f.clear(); }},
        {"header only", [](auto& f) { f.resize(20); }},
        {"not BM", [](auto& f) { f[1] = 'X'; }},
        {"pixels cut short", [](auto& f) { f.pop_back(); }},
        {"pixel offset past the end", [](auto& f) { common::writeLe32(f, 10, 0xFFFFFFF0u); }},
        {"info header past the end", [](auto& f) { common::writeLe32(f, 14, 0x7FFFFFFFu); }},
        {"8 bits per pixel", [](auto& f) { common::writeLe16(f, 28, 8); }},
        {"run-length compressed", [](auto& f) { common::writeLe32(f, 30, 1); }},
        {"zero width", [](auto& f) { common::writeLe32(f, 18, 0); }},
        {"negative width", [](auto& f) { common::writeLe32(f, 18, 0xFFFFFFFFu); }},
        {"most negative height", [](auto& f) { common::writeLe32(f, 22, 0x80000000u); }},
        {"huge width", [](auto& f) { common::writeLe32(f, 18, 1u << 30); }},
        {"two planes", [](auto& f) { common::writeLe16(f, 26, 2); }},
    };
    for (const Damage& damage : damages) {
        auto file = buildBmp(5, 3, gradient);
        damage.apply(file);
        EXPECT_FALSE(decodeBmp(file)) << damage.what;
    }
}

TEST(BmpDecoding, MissingFileGivesNothing) {
    EXPECT_FALSE(loadBmpFile(std::filesystem::temp_directory_path() / "no-such-picture.bmp"));
}

}  // namespace
}  // namespace forms
