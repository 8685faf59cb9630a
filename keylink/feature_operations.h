#pragma once
// Feature reports and strings to and from every record an operation's rule matches. None of
// them tells the caller whether a device received or answered anything.

#include <cstdint>
#include <span>

#include "common/keyboard_identity.h"
#include "keylink/hid_device_list.h"

namespace keylink {

using FeatureReport = std::span<const std::uint8_t, common::FeatureReportSize>;
using FeatureBuffer = std::span<std::uint8_t, common::FeatureReportSize>;

// Every feature transfer is followed by this non-alertable pause, which paces a stream of
// reports to the keyboard.
constexpr std::uint32_t FeaturePauseMilliseconds = 1;

// Sends the report to every matching collection of the keyboard, in list order.
void sendFeatureReport(HidDeviceList& list, std::uint32_t usagePage, std::uint32_t usage,
                       FeatureReport report);

// Reads a feature report from every matching record whose reports fit the buffer; with several
// matches the last one's report is what the buffer holds.
void readFeatureReport(HidDeviceList& list, std::uint32_t vendorId, std::uint32_t productId,
                       std::uint32_t usagePage, std::uint32_t usage, FeatureBuffer buffer);

// The manufacturer string of every matching record, as the system writes it (UTF-16). Returns
// the number of records in the list.
std::int32_t readManufacturerString(HidDeviceList& list, std::uint32_t vendorId,
                                    std::uint32_t productId, std::uint32_t usagePage,
                                    std::uint32_t usage, std::span<std::uint8_t> buffer);

// The same for the string with the given index.
std::int32_t readIndexedString(HidDeviceList& list, std::uint32_t vendorId, std::uint32_t productId,
                               std::uint32_t usagePage, std::uint32_t usage,
                               std::uint32_t stringIndex, std::span<std::uint8_t> buffer);

}  // namespace keylink
