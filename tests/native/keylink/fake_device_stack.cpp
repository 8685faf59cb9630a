#include "fake_device_stack.h"

#include <algorithm>
#include <cstdio>

#include <gtest/gtest.h>

#include "common/little_endian.h"

namespace keylink::testing {

namespace {
constexpr std::uint32_t ErrorOperationAborted = 995;
}

FakeInterface keyboardCollection(int serial) {
    return otherDevice(serial, 0xFF00, 0xFF00);
}

FakeInterface otherDevice(int serial, std::uint16_t usagePage, std::uint16_t usage) {
    char path[96];
    std::snprintf(path, sizeof path, "\\\\?\\hid#vid_3c5a&pid_2b17&col%02d#7&2f1c&0&%04d#{hid}",
                  serial % 100, serial);
    FakeInterface device;
    device.path = path;
    device.vendorId = 0x3C5A;
    device.productId = 0x2B17;
    device.usagePage = usagePage;
    device.usage = usage;
    return device;
}

std::string FakeDeviceStack::pathOf(OsHandle handle) const {
    auto found = handles_.find(handle);
    return found == handles_.end() ? std::string() : found->second;
}

FakeInterface* FakeDeviceStack::interfaceAt(OsHandle handle) {
    auto found = handles_.find(handle);
    if (found == handles_.end())
        return nullptr;
    for (FakeInterface& device : interfaces) {
        if (device.path == found->second)
            return &device;
    }
    return nullptr;
}

DeviceSet FakeDeviceStack::getHidClassDevices() {
    if (classSetFails)
        return InvalidHandle;
    deviceSetOpen_ = true;
    return TheDeviceSet;
}

InterfaceResult FakeDeviceStack::enumDeviceInterface(DeviceSet set, std::uint32_t memberIndex) {
    memberIndicesAsked.push_back(memberIndex);
    if (set != TheDeviceSet || !deviceSetOpen_)
        return {false, 6, {}};
    if (memberIndex >= interfaces.size())
        return {false, errorPastTheEnd.value_or(259), {}};
    const FakeInterface& device = interfaces[memberIndex];
    if (device.enumError)
        return {false, *device.enumError, {}};
    InterfaceResult result{true, 0, {}};
    result.data.reserved = memberIndex;
    return result;
}

DetailResult FakeDeviceStack::getDeviceInterfaceDetail(DeviceSet, const InterfaceData& data,
                                                       std::span<std::uint8_t> detail) {
    const FakeInterface& device = interfaces.at(data.reserved);
    auto required = static_cast<std::uint32_t>(
        device.detailRequiredSize.value_or(static_cast<std::uint32_t>(4 + device.path.size() + 1)));
    if (detail.empty()) {
        return {false, device.detailSizeError.value_or(122), required};
    }
    if (device.detailFetchFails || detail.size() < required || common::readLe32(detail, 0) != 5) {
        return {false, 13, required};
    }
    std::fill(detail.begin(), detail.end(), 0xCC);
    common::writeLe32(detail, 0, 5);
    std::size_t length = std::min(device.path.size(), detail.size() - 4);
    std::copy_n(device.path.begin(), length, detail.begin() + 4);
    if (4 + length < detail.size())
        detail[4 + length] = 0;
    return {true, 0, required};
}

void FakeDeviceStack::destroyDeviceInfoList(DeviceSet) {
    deviceSetOpen_ = false;
}

OsHandle FakeDeviceStack::createFile(const char* path, std::uint32_t access, std::uint32_t share,
                                     std::uint32_t creation, std::uint32_t flagsAndAttributes) {
    opens.push_back({path, access, share, creation, flagsAndAttributes});
    auto device = std::find_if(interfaces.begin(), interfaces.end(),
                               [&](const FakeInterface& d) { return d.path == path; });
    if (device == interfaces.end() || device->openFails)
        return InvalidHandle;
    OsHandle handle = nextHandle_++;
    handles_[handle] = path;
    return handle;
}

bool FakeDeviceStack::closeHandle(OsHandle handle) {
    return handles_.erase(handle) == 1;
}

OsHandle FakeDeviceStack::duplicateHandle(OsHandle handle) {
    auto found = handles_.find(handle);
    if (found == handles_.end())
        return NoHandle;
    OsHandle copy = nextHandle_++;
    handles_[copy] = found->second;
    return copy;
}

std::optional<PreparsedData> FakeDeviceStack::getPreparsedData(OsHandle device) {
    FakeInterface* found = interfaceAt(device);
    if (!found || found->preparsedFails)
        return std::nullopt;
    PreparsedData data = nextHandle_++;
    preparsed_[data] = found->path;
    ++outstandingPreparsed_;
    return data;
}

void FakeDeviceStack::freePreparsedData(PreparsedData data) {
    if (preparsed_.erase(data) == 1)
        --outstandingPreparsed_;
}

std::optional<HidAttributes> FakeDeviceStack::getAttributes(OsHandle device) {
    FakeInterface* found = interfaceAt(device);
    if (!found || found->attributesFails)
        return std::nullopt;
    return HidAttributes{found->vendorId, found->productId, 0x0100};
}

std::optional<HidCaps> FakeDeviceStack::getCaps(PreparsedData data) {
    auto known = preparsed_.find(data);
    if (known == preparsed_.end())
        return std::nullopt;
    for (const FakeInterface& device : interfaces) {
        if (device.path != known->second)
            continue;
        if (device.capsFails)
            return std::nullopt;
        return HidCaps{device.usage, device.usagePage, 32, 0, device.featureReportLength};
    }
    return std::nullopt;
}

bool FakeDeviceStack::setFeature(OsHandle device, std::span<const std::uint8_t> report) {
    if (!interfaceAt(device))
        return false;
    transfers.push_back({"setFeature", pathOf(device), {report.begin(), report.end()}});
    return true;
}

bool FakeDeviceStack::getFeature(OsHandle device, std::span<std::uint8_t> report) {
    FakeInterface* found = interfaceAt(device);
    if (!found)
        return false;
    transfers.push_back({"getFeature", pathOf(device), std::vector<std::uint8_t>(report.size())});
    std::copy_n(found->featureAnswer.begin(), std::min(report.size(), found->featureAnswer.size()),
                report.begin());
    return true;
}

bool FakeDeviceStack::answerString(OsHandle device, std::span<std::uint8_t> buffer) {
    FakeInterface* found = interfaceAt(device);
    if (!found)
        return false;
    transfers.push_back({"string", pathOf(device), {}});
    // Like the system, it writes as much as fits and adds no terminator of its own.
    std::copy_n(found->stringAnswer.begin(), std::min(buffer.size(), found->stringAnswer.size()),
                buffer.begin());
    return true;
}

bool FakeDeviceStack::getManufacturerString(OsHandle device, std::span<std::uint8_t> buffer) {
    return answerString(device, buffer);
}

bool FakeDeviceStack::getIndexedString(OsHandle device, std::uint32_t,
                                       std::span<std::uint8_t> buffer) {
    return answerString(device, buffer);
}

bool FakeDeviceStack::readFileEx(OsHandle device, std::span<std::uint8_t> buffer,
                                 OverlappedRead& read) {
    FakeInterface* found = interfaceAt(device);
    if (!found || found->readIssueFails || pending_)
        return false;
    pending_ = PendingRead{device, buffer, &read};
    return true;
}

void FakeDeviceStack::writeIntoPendingRead() {
    if (!pending_)
        return;
    FakeInterface* device = interfaceAt(pending_->device);
    if (!device || device->reads.empty())
        return;
    const std::vector<std::uint8_t>& next = device->reads.front().report;
    std::copy_n(next.begin(), std::min(next.size(), pending_->buffer.size()),
                pending_->buffer.begin());
}

bool FakeDeviceStack::cancelIo(OsHandle device) {
    ++cancelCount;
    if (pending_ && pending_->device == device)
        pending_->cancelled = true;
    return true;
}

SleepResult FakeDeviceStack::sleepEx(std::uint32_t milliseconds, bool alertable) {
    if (!alertable) {
        transfers.push_back({"pause", "", {static_cast<std::uint8_t>(milliseconds)}});
        return SleepResult::Elapsed;
    }
    if (pending_) {
        FakeInterface* device = interfaceAt(pending_->device);
        OverlappedRead& read = *pending_->read;
        if (pending_->cancelled) {
            read = {true, ErrorOperationAborted, 0};
            pending_.reset();
            return SleepResult::IoCompletion;
        }
        if (device && !device->reads.empty()) {
            ScriptedRead next = device->reads.front();
            device->reads.pop_front();
            std::size_t length = std::min(next.report.size(), pending_->buffer.size());
            std::copy_n(next.report.begin(), length, pending_->buffer.begin());
            read = {true, next.error, static_cast<std::uint32_t>(length)};
            if (next.deviceGone)
                device->readIssueFails = true;
            pending_.reset();
            return SleepResult::IoCompletion;
        }
    }
    if (duringIdleSleep) {
        duringIdleSleep();
    } else if (pending_ && ++idleSleeps_ > IdleSleepLimit) {
        // Nothing will ever complete this read: end the reader rather than hang the test.
        ADD_FAILURE() << "a reader waited with nothing left to read";
        if (FakeInterface* device = interfaceAt(pending_->device))
            device->readIssueFails = true;
        *pending_->read = {true, ErrorOperationAborted, 0};
        pending_.reset();
        return SleepResult::IoCompletion;
    }
    return SleepResult::Elapsed;
}

}  // namespace keylink::testing
