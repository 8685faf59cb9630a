#pragma once
// A picture in memory, top row first, and the reader of the uncompressed BMP files the
// installation's artwork is stored in.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "forms/geometry.h"

namespace forms {

class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, Colour fill = colours::Black);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    Colour at(int x, int y) const { return pixels_[index(x, y)]; }
    void set(int x, int y, Colour c) { pixels_[index(x, y)] = c; }

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

  private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// Pictures larger than this on either side are refused rather than allocated.
constexpr int MaxBitmapSide = 4096;

// Decodes a BMP file of 24 or 32 bits per pixel without compression, stored bottom-up or
// top-down. Anything else, and any file too short for what its header claims, gives nothing.
std::optional<Bitmap> decodeBmp(std::span<const std::uint8_t> file);

// Reads and decodes a BMP file; a missing or unreadable file gives nothing.
std::optional<Bitmap> loadBmpFile(const std::filesystem::path& path);

}  // namespace forms
