#include "keylink/hid_device_list.h"

#include <algorithm>
#include <new>

#include "common/keyboard_identity.h"
#include "common/messages.h"
#include "keylink/enumeration.h"
#include "keylink/matching_rules.h"

namespace keylink {

namespace {

HidDeviceRecord recordOf(const InterfaceProbe& probe) {
    HidDeviceRecord record;
    if (probe.isEmpty())
        return record;
    std::copy(probe.path.begin(), probe.path.end(), record.path.begin());
    record.usagePage = probe.usagePage;
    record.usage = probe.usage;
    record.vendorId = probe.vendorId;
    record.productId = probe.productId;
    record.featureReportLength = probe.featureReportLength;
    return record;
}

}  // namespace

HidDeviceList::HidDeviceList(DeviceStack& stack, HostWindow& host, ReaderHost& readers)
    : stack_(stack), host_(host), readers_(readers) {}

HidDeviceList::~HidDeviceList() {
    releaseAll();
}

void HidDeviceList::setTarget(std::uint32_t usagePage, std::uint32_t usage) {
    target_ = {usagePage, usage, common::KeyboardVendorId, common::KeyboardProductId};
}

std::int32_t HidDeviceList::rebuildDeviceList() {
    releaseAll();
    records_.clear();
    matchedCount_ = 0;

    // The probe handles stay open until the records are built, and close when probes goes.
    ProbeArray probes = enumerateInterfaces(stack_);
    try {
        records_.reserve(probes.probes().size());
        for (const InterfaceProbe& probe : probes.probes())
            records_.push_back(recordOf(probe));
    } catch (const std::bad_alloc&) {
        records_.clear();
    }
    return count();
}

bool HidDeviceList::rescan() {
    rebuildDeviceList();
    for (std::int32_t position = 0; position < count(); ++position) {
        if (matchedCount_ == MaxMatchedPositions)
            break;
        if (matchesTarget(records_[position], target_))
            matchedIndex_[matchedCount_++] = position;
    }
    return host_.postToOwner(matchedCount_ > 0 ? common::DeviceFoundMessage
                                               : common::DeviceMissingMessage);
}

const HidDeviceRecord* HidDeviceList::record(std::int32_t position) const {
    if (position < 0 || position >= count())
        return nullptr;
    return &records_[position];
}

HidDeviceRecord* HidDeviceList::mutableRecord(std::int32_t position) {
    if (position < 0 || position >= count())
        return nullptr;
    return &records_[position];
}

bool HidDeviceList::isOpen(std::int32_t position) const {
    const HidDeviceRecord* found = record(position);
    return found && found->isOpen();
}

bool HidDeviceList::openRecord(std::int32_t position, OpenMode mode) {
    HidDeviceRecord* found = mutableRecord(position);
    if (!found || found->isEmpty())
        return false;
    if (found->isOpen())
        return true;

    constexpr std::uint32_t share = sys::FileShareRead | sys::FileShareWrite;
    OsHandle handle =
        mode == OpenMode::Query
            ? stack_.createFile(found->path.data(), 0, share, sys::OpenExisting,
                                sys::FileAttributeNormal)
            : stack_.createFile(found->path.data(), sys::GenericRead | sys::GenericWrite, share,
                                sys::OpenExisting, sys::FileFlagOverlapped);
    if (handle == InvalidHandle || handle == NoHandle)
        return false;

    std::optional<PreparsedData> preparsed = stack_.getPreparsedData(handle);
    if (!preparsed) {
        stack_.closeHandle(handle);
        return false;
    }
    found->handle = handle;
    found->preparsedData = *preparsed;
    return true;
}

bool HidDeviceList::closeRecord(std::int32_t position) {
    HidDeviceRecord* found = mutableRecord(position);
    if (!found || !found->isOpen())
        return false;
    stack_.freePreparsedData(found->preparsedData);
    found->preparsedData = 0;
    stack_.closeHandle(found->handle);
    found->handle = NoHandle;
    return true;
}

}  // namespace keylink
