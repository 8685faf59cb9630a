#include "keylink/feature_operations.h"

#include "keylink/matching_rules.h"

namespace keylink {

namespace {

// Runs transfer on the record's handle, opening the record in query mode for the call when it
// is closed and closing it again afterwards. A record that cannot be opened is skipped.
template <typename Transfer>
void withOpenRecord(HidDeviceList& list, std::int32_t position, Transfer transfer) {
    bool openedHere = false;
    if (!list.isOpen(position)) {
        if (!list.openRecord(position, OpenMode::Query))
            return;
        openedHere = true;
    }
    transfer(*list.record(position));
    if (openedHere)
        list.closeRecord(position);
}

template <typename Rule, typename Transfer>
void forEachMatch(HidDeviceList& list, Rule rule, Transfer transfer) {
    for (std::int32_t position = 0; position < list.count(); ++position) {
        if (rule(*list.record(position)))
            withOpenRecord(list, position, transfer);
    }
}

// The system leaves the string as the device sent it; the last whole UTF-16 unit of the
// caller's buffer is made a terminator so that the text always ends inside the buffer.
void terminateString(std::span<std::uint8_t> buffer) {
    std::size_t units = buffer.size() / 2;
    if (units == 0)
        return;
    buffer[2 * (units - 1)] = 0;
    buffer[2 * (units - 1) + 1] = 0;
}

template <typename Query>
std::int32_t readString(HidDeviceList& list, std::uint32_t vendorId, std::uint32_t productId,
                        std::uint32_t usagePage, std::uint32_t usage,
                        std::span<std::uint8_t> buffer, Query query) {
    forEachMatch(
        list,
        [&](const HidDeviceRecord& record) {
            return matchesIdentity(record, vendorId, productId, usagePage, usage);
        },
        [&](const HidDeviceRecord& record) {
            if (query(record.handle))
                terminateString(buffer);
        });
    return list.count();
}

}  // namespace

void sendFeatureReport(HidDeviceList& list, std::uint32_t usagePage, std::uint32_t usage,
                       FeatureReport report) {
    DeviceStack& stack = list.stack();
    forEachMatch(
        list,
        [&](const HidDeviceRecord& record) {
            return matchesKeyboardCollection(record, usagePage, usage);
        },
        [&](const HidDeviceRecord& record) {
            stack.setFeature(record.handle, report);
            stack.sleepEx(FeaturePauseMilliseconds, false);
        });
}

void readFeatureReport(HidDeviceList& list, std::uint32_t vendorId, std::uint32_t productId,
                       std::uint32_t usagePage, std::uint32_t usage, FeatureBuffer buffer) {
    DeviceStack& stack = list.stack();
    forEachMatch(
        list,
        [&](const HidDeviceRecord& record) {
            return matchesIdentity(record, vendorId, productId, usagePage, usage);
        },
        [&](const HidDeviceRecord& record) {
            // A longer report would not fit the caller's eight bytes.
            if (record.featureReportLength > buffer.size())
                return;
            stack.getFeature(record.handle, buffer.first(record.featureReportLength));
            stack.sleepEx(FeaturePauseMilliseconds, false);
        });
}

std::int32_t readManufacturerString(HidDeviceList& list, std::uint32_t vendorId,
                                    std::uint32_t productId, std::uint32_t usagePage,
                                    std::uint32_t usage, std::span<std::uint8_t> buffer) {
    DeviceStack& stack = list.stack();
    return readString(list, vendorId, productId, usagePage, usage, buffer,
                      [&](OsHandle device) { return stack.getManufacturerString(device, buffer); });
}

std::int32_t readIndexedString(HidDeviceList& list, std::uint32_t vendorId, std::uint32_t productId,
                               std::uint32_t usagePage, std::uint32_t usage,
                               std::uint32_t stringIndex, std::span<std::uint8_t> buffer) {
    DeviceStack& stack = list.stack();
    return readString(list, vendorId, productId, usagePage, usage, buffer, [&](OsHandle device) {
        return stack.getIndexedString(device, stringIndex, buffer);
    });
}

}  // namespace keylink
