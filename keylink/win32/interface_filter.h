#pragma once
// The filter that registers the notification window for HID interface arrivals and removals: a
// DEV_BROADCAST_DEVICEINTERFACE_A whose size field states the structure's size, followed by the
// name it carries, which needs room past that size.

#include <windows.h>

#include <dbt.h>

#include <array>
#include <cstdint>

#include "keylink/device_change.h"

namespace keylink::win32 {

constexpr char InterfaceFilterName[] = "CHIDKBD";
constexpr std::size_t InterfaceFilterBytes = dbt::InterfaceNameOffset + sizeof InterfaceFilterName;

struct alignas(DEV_BROADCAST_DEVICEINTERFACE_A) InterfaceFilter {
    std::array<std::uint8_t, InterfaceFilterBytes> bytes{};
};

// The filter for the HID interface class that the device stack table names.
InterfaceFilter hidInterfaceFilter();

}  // namespace keylink::win32
