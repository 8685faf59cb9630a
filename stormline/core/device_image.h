#pragma once
// The mirror of the keyboard's profile memory: 1640 bytes with exactly the keyboard's layout,
// profile p at offset 410 * p and its key k at 41 * k within it. Offset x lives at keyboard
// address x + 4.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/profile_layout.h"
#include "stormline/core/key_record.h"

namespace core {

using common::keyImageOffset;
using common::profileImageOffset;

constexpr std::uint16_t keyboardAddress(std::size_t imageOffset) {
    return static_cast<std::uint16_t>(imageOffset + common::ImageAddressOffset);
}

class DeviceImage {
  public:
    // Copies the ten key blocks of the profile into its stretch; the other profiles' stretches
    // keep what they held. A profile outside 0-3 changes nothing.
    void fillImageFromProfile(const ProfileTable& table, int profile);

    // The bytes from offset on, at most count of them and never past the image's end.
    std::span<const std::uint8_t> imageBytes(std::size_t offset, std::size_t count) const;

    void clear() { bytes_.fill(0); }

  private:
    std::array<std::uint8_t, common::DeviceImageSize> bytes_{};
};

}  // namespace core
