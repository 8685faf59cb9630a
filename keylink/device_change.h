#pragma once
// What the notification window does with each device-change event.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "keylink/hid_device_list.h"

namespace keylink {

namespace dbt {
constexpr std::uint32_t DeviceArrival = 0x8000;
constexpr std::uint32_t DeviceQueryRemove = 0x8001;
constexpr std::uint32_t DeviceRemoveComplete = 0x8004;
constexpr std::uint32_t DeviceInterfaceType = 5;

// DEV_BROADCAST_HDR: size, device type, reserved. DEV_BROADCAST_DEVICEINTERFACE adds the class
// GUID and then the name.
constexpr std::size_t SizeFieldBytes = 4;
constexpr std::size_t DeviceTypeOffset = 4;
constexpr std::size_t InterfaceClassOffset = 12;
constexpr std::size_t InterfaceNameOffset = 28;
}  // namespace dbt

// Whether the event is one that reads the broadcast lParam points to.
bool readsBroadcast(std::uint32_t event);

// The interface name of a device-interface broadcast, in 8-bit characters, read no further than
// the broadcast's own bytes. A name in UTF-16 is converted; none when it holds characters a
// device path never has.
std::optional<std::string> broadcastInterfaceName(std::span<const std::uint8_t> broadcast);

// Acts on one WM_DEVICECHANGE. broadcast holds the bytes lParam points to, as far as their own
// size field reaches, and is empty when lParam is 0 or the event carries none.
void handleDeviceChange(HidDeviceList& list, std::uint32_t event,
                        std::span<const std::uint8_t> broadcast);

}  // namespace keylink
