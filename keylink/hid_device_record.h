#pragma once
// One HID interface (top-level collection) in the device list.

#include <array>
#include <cstdint>
#include <string_view>

#include "keylink/device_stack.h"
#include "keylink/host_window.h"

namespace keylink {

// Room for a path, terminator included; a path of this many characters or more is not kept.
constexpr std::size_t PathCapacity = 260;

struct HidDeviceRecord {
    OsHandle handle = NoHandle;
    NotifyHandle notifyHandle = 0;
    std::array<char, PathCapacity> path{};
    std::uint32_t usagePage = 0;
    std::uint32_t usage = 0;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t featureReportLength = 0;
    PreparsedData preparsedData = 0;

    bool isOpen() const { return handle != NoHandle && handle != InvalidHandle; }
    // An empty record stands for an interface that could not be probed: it keeps its list
    // position but never matches anything and can never be opened.
    bool isEmpty() const { return path[0] == '\0'; }
    std::string_view pathText() const { return std::string_view(path.data()); }
};

}  // namespace keylink
