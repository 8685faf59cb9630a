#include "stormline/core/device_image.h"

#include <algorithm>

namespace core {

void DeviceImage::fillImageFromProfile(const ProfileTable& table, int profile) {
    if (!isValidProfile(profile))
        return;
    for (int key = 0; key < common::KeysPerProfile; ++key) {
        const common::KeyBlock block = table.profiles[profile].keys[key].keyBlock();
        std::copy(block.begin(), block.end(), bytes_.begin() + keyImageOffset(profile, key));
    }
}

std::span<const std::uint8_t> DeviceImage::imageBytes(std::size_t offset, std::size_t count) const {
    if (offset >= bytes_.size())
        return {};
    return std::span<const std::uint8_t>(bytes_).subspan(offset,
                                                         std::min(count, bytes_.size() - offset));
}

}  // namespace core
