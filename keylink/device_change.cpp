#include "keylink/device_change.h"

#include <algorithm>

#include "common/little_endian.h"

namespace keylink {

namespace {

std::optional<std::uint32_t> deviceTypeOf(std::span<const std::uint8_t> broadcast) {
    if (broadcast.size() < dbt::DeviceTypeOffset + 4)
        return std::nullopt;
    return common::readLe32(broadcast, dbt::DeviceTypeOffset);
}

bool isDeviceInterfaceBroadcast(std::span<const std::uint8_t> broadcast) {
    return deviceTypeOf(broadcast) == dbt::DeviceInterfaceType;
}

char foldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldCase(x) == foldCase(y);
           });
}

bool looksLikeUtf16(std::span<const std::uint8_t> name) {
    return name.size() >= 2 && name[0] != 0 && name[1] == 0;
}

void removeMatchedInterface(HidDeviceList& list, std::string_view removedName) {
    // The table is read afresh on every step: a rescan inside the loop replaces it.
    for (std::size_t i = 0; i < list.matchedPositions().size(); ++i) {
        const HidDeviceRecord* matched = list.record(list.matchedPositions()[i]);
        if (!matched || !equalIgnoringCase(matched->pathText(), removedName))
            continue;
        list.releaseAll();
        list.rescan();
    }
}

}  // namespace

bool readsBroadcast(std::uint32_t event) {
    return event == dbt::DeviceArrival || event == dbt::DeviceQueryRemove ||
           event == dbt::DeviceRemoveComplete;
}

std::optional<std::string> broadcastInterfaceName(std::span<const std::uint8_t> broadcast) {
    if (broadcast.size() <= dbt::InterfaceNameOffset)
        return std::string();
    auto name = broadcast.subspan(dbt::InterfaceNameOffset);
    std::string text;
    if (!looksLikeUtf16(name)) {
        for (std::uint8_t byte : name) {
            if (byte == 0)
                break;
            text.push_back(static_cast<char>(byte));
        }
        return text;
    }
    for (std::size_t at = 0; at + 1 < name.size(); at += 2) {
        std::uint16_t unit = common::readLe16(name, at);
        if (unit == 0)
            break;
        if (unit >= 0x80)
            return std::nullopt;
        text.push_back(static_cast<char>(unit));
    }
    return text;
}

void handleDeviceChange(HidDeviceList& list, std::uint32_t event,
                        std::span<const std::uint8_t> broadcast) {
    switch (event) {
        case dbt::DeviceArrival:
            // Any HID interface arriving, not only the keyboard's, gives a fresh list.
            if (!isDeviceInterfaceBroadcast(broadcast))
                return;
            list.releaseAll();
            list.rescan();
            return;
        case dbt::DeviceQueryRemove:
            // Whatever is about to go, no handle of ours may keep it from going.
            list.releaseAll();
            return;
        case dbt::DeviceRemoveComplete: {
            if (!isDeviceInterfaceBroadcast(broadcast))
                return;
            std::optional<std::string> name = broadcastInterfaceName(broadcast);
            if (name && !name->empty())
                removeMatchedInterface(list, *name);
            return;
        }
        default:
            return;
    }
}

}  // namespace keylink
