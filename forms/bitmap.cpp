#include "forms/bitmap.h"

#include <fstream>
#include <iterator>

#include "common/little_endian.h"

namespace forms {

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderMinSize = 40;
constexpr std::uint32_t NoCompression = 0;
constexpr std::uint32_t BitFields = 3;

// Files larger than this are not artwork; they are not read at all.
constexpr std::uintmax_t MaxBmpFileBytes = 64u << 20;

}  // namespace

Bitmap::Bitmap(int width, int height, Colour fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

std::optional<Bitmap> decodeBmp(std::span<const std::uint8_t> file) {
    using common::readLe16;
    using common::readLe32;
    if (file.size() < FileHeaderSize + InfoHeaderMinSize)
        return std::nullopt;
    if (file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const std::uint32_t pixelOffset = readLe32(file, 10);
    const std::uint32_t infoSize = readLe32(file, 14);
    if (infoSize < InfoHeaderMinSize || FileHeaderSize + infoSize > file.size()) {
        return std::nullopt;
    }
    const auto width = static_cast<std::int32_t>(readLe32(file, 18));
    const auto signedHeight = static_cast<std::int32_t>(readLe32(file, 22));
    const std::uint16_t planes = readLe16(file, 26);
    const std::uint16_t bitsPerPixel = readLe16(file, 28);
    const std::uint32_t compression = readLe32(file, 30);
    const bool topDown = signedHeight < 0;
    // The most negative height has no positive counterpart; it is refused with the other
    // out-of-range sizes.
    if (signedHeight == INT32_MIN)
        return std::nullopt;
    const std::int32_t height = topDown ? -signedHeight : signedHeight;
    if (planes != 1 || width <= 0 || height <= 0 || width > MaxBitmapSide ||
        height > MaxBitmapSide) {
        return std::nullopt;
    }
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        return std::nullopt;
    // 32-bit files written with bit fields use the usual byte order; other layouts are refused.
    if (compression != NoCompression && !(compression == BitFields && bitsPerPixel == 32)) {
        return std::nullopt;
    }

    const std::size_t bytesPerPixel = bitsPerPixel / 8;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~3u;
    const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(height);
    if (pixelOffset > file.size() || file.size() - pixelOffset < pixelBytes)
        return std::nullopt;

    Bitmap bitmap(width, height);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        const std::size_t rowStart = pixelOffset + static_cast<std::size_t>(row) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const std::size_t at = rowStart + static_cast<std::size_t>(x) * bytesPerPixel;
            bitmap.set(x, y, Colour::rgb(file[at + 2], file[at + 1], file[at]));
        }
    }
    return bitmap;
}

std::optional<Bitmap> loadBmpFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > MaxBmpFileBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size)
        return std::nullopt;
    return decodeBmp(bytes);
}

}  // namespace forms
