#pragma once
// ReadDevice's work: readers for the matching collections of the keyboard family.

#include <cstdint>

#include "keylink/hid_device_list.h"

namespace keylink {

constexpr int MaxReadersPerCall = 10;

// Hands every matching record, in list order, to startReader, and stops after ten.
void startMatchingReaders(HidDeviceList& list, std::uint32_t usagePage, std::uint32_t usage);

}  // namespace keylink
