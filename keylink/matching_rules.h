#pragma once
// Which records each operation acts on. Usage page and usage compare the caller's full 32-bit
// values with the record's zero-extended ones; an empty record matches nothing.

#include <cstdint>

#include "common/keyboard_identity.h"
#include "keylink/hid_device_list.h"

namespace keylink {

constexpr std::uint16_t SecondKeyboardProductId = 0x2B18;
constexpr std::uint16_t ThirdKeyboardProductId = 0x2B19;

inline bool hasCollection(const HidDeviceRecord& record, std::uint32_t usagePage,
                          std::uint32_t usage) {
    return !record.isEmpty() && record.usagePage == usagePage && record.usage == usage;
}

// The presence rule of every rescan.
inline bool matchesTarget(const HidDeviceRecord& record, const TargetIdentity& target) {
    return hasCollection(record, target.usagePage, target.usage) &&
           record.vendorId == target.vendorId && record.productId == target.productId;
}

// SetKbdFeatures: the given collection of the keyboard.
inline bool matchesKeyboardCollection(const HidDeviceRecord& record, std::uint32_t usagePage,
                                      std::uint32_t usage) {
    return hasCollection(record, usagePage, usage) && record.vendorId == common::KeyboardVendorId &&
           record.productId == common::KeyboardProductId;
}

// GetKbdFeatures and the string operations: everything as the caller gives it.
inline bool matchesIdentity(const HidDeviceRecord& record, std::uint32_t vendorId,
                            std::uint32_t productId, std::uint32_t usagePage, std::uint32_t usage) {
    return hasCollection(record, usagePage, usage) && record.vendorId == vendorId &&
           record.productId == productId;
}

// ReadDevice: the given collection of the keyboard or of its two sibling products.
inline bool matchesReaderCollection(const HidDeviceRecord& record, std::uint32_t usagePage,
                                    std::uint32_t usage) {
    bool keyboardFamily = record.productId == common::KeyboardProductId ||
                          record.productId == SecondKeyboardProductId ||
                          record.productId == ThirdKeyboardProductId;
    return hasCollection(record, usagePage, usage) && record.vendorId == common::KeyboardVendorId &&
           keyboardFamily;
}

}  // namespace keylink
