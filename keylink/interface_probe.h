#pragma once
// The temporary result of probing one HID interface during a rescan.

#include <cstdint>
#include <string>
#include <string_view>

#include "keylink/device_stack.h"

namespace keylink {

struct InterfaceProbe {
    std::string path;  // empty when the probe failed
    OsHandle probeHandle = NoHandle;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t featureReportLength = 0;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;

    bool isEmpty() const { return path.empty(); }
};

// Opens the path without access rights and asks for its three descriptions. The result's
// probe handle is left open; an empty probe holds nothing.
InterfaceProbe probeInterface(DeviceStack& stack, std::string_view path);

}  // namespace keylink
