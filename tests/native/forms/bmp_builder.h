#pragma once
// Builds BMP files in memory for the tests, field by field.

#include <cstdint>
#include <vector>

#include "common/little_endian.h"
#include "forms/geometry.h"

namespace forms::testing {

// A 24-bit (or 32-bit) uncompressed BMP whose pixel (x, y) is colourAt(x, y).
template <class ColourAt>
std::vector<std::uint8_t> buildBmp(int width, int height, ColourAt colourAt, bool topDown = false,
                                   int bitsPerPixel = 24) {
    const std::size_t bytesPerPixel = static_cast<std::size_t>(bitsPerPixel / 8);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~3u;
    std::vector<std::uint8_t> file(54 + rowBytes * static_cast<std::size_t>(height));
    file[0] = 'B';
    file[1] = 'M';
    common::writeLe32(file, 2, static_cast<std::uint32_t>(file.size()));
    common::writeLe32(file, 10, 54);
    common::writeLe32(file, 14, 40);
    common::writeLe32(file, 18, static_cast<std::uint32_t>(width));
    common::writeLe32(file, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    common::writeLe16(file, 26, 1);
    common::writeLe16(file, 28, static_cast<std::uint16_t>(bitsPerPixel));
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const Colour c = colourAt(x, y);
            const std::size_t at = 54 + static_cast<std::size_t>(row) * rowBytes +
                                   static_cast<std::size_t>(x) * bytesPerPixel;
            file[at] = c.blue;
            file[at + 1] = c.green;
            file[at + 2] = c.red;
        }
    }
    return file;
}

inline Colour gradient(int x, int y) {
    return Colour::rgb(static_cast<std::uint8_t>(x * 10), static_cast<std::uint8_t>(y * 20), 7);
}

}  // namespace forms::testing
