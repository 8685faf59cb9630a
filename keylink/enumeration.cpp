#include "keylink/enumeration.h"

#include <new>
#include <optional>
#include <string>

#include "common/little_endian.h"

namespace keylink {

namespace {

// Destroys the device information set however the enumeration ends.
class DeviceSetGuard {
  public:
    DeviceSetGuard(DeviceStack& stack, DeviceSet set) : stack_(stack), set_(set) {}
    DeviceSetGuard(const DeviceSetGuard&) = delete;
    DeviceSetGuard& operator=(const DeviceSetGuard&) = delete;
    ~DeviceSetGuard() { stack_.destroyDeviceInfoList(set_); }

  private:
    DeviceStack& stack_;
    DeviceSet set_;
};

bool endsEnumeration(std::uint32_t error) {
    // "No more items" is the normal end; the other two do not depend on the member index, so
    // asking for the next one would fail the same way for ever.
    return error == sys::ErrorNoMoreItems || error == sys::ErrorInvalidHandle ||
           error == sys::ErrorInvalidUserBuffer;
}

// No device path the system can hand out is longer than its longest path, 32767 characters;
// a detail size beyond that is no answer to allocate for.
constexpr std::uint32_t LongestDetailSize = sys::DetailPathOffset + 32767 + 1;

// The interface's device path, or nothing when its detail cannot be had. Throws bad_alloc
// when the detail buffer cannot be allocated.
std::optional<std::string> devicePathOf(DeviceStack& stack, DeviceSet set,
                                        const InterfaceData& data) {
    DetailResult size = stack.getDeviceInterfaceDetail(set, data, {});
    if (size.succeeded || size.error != sys::ErrorInsufficientBuffer ||
        size.requiredSize < sys::DetailFixedSize || size.requiredSize > LongestDetailSize) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> detail(size.requiredSize);
    common::writeLe32(detail, 0, sys::DetailFixedSize);
    if (!stack.getDeviceInterfaceDetail(set, data, detail).succeeded)
        return std::nullopt;

    auto pathBytes = std::span<const std::uint8_t>(detail).subspan(sys::DetailPathOffset);
    std::string path;
    for (std::uint8_t byte : pathBytes) {
        if (byte == 0)
            break;
        path.push_back(static_cast<char>(byte));
    }
    return path;
}

}  // namespace

ProbeArray::ProbeArray(ProbeArray&& other) noexcept
    : stack_(other.stack_), entries_(std::move(other.entries_)), count_(other.count_) {
    other.entries_.clear();
    other.count_ = 0;
}

ProbeArray::~ProbeArray() {
    release();
}

void ProbeArray::release() {
    for (InterfaceProbe& probe : entries_) {
        if (probe.probeHandle != NoHandle)
            stack_->closeHandle(probe.probeHandle);
        probe = {};
    }
    entries_.clear();
    count_ = 0;
}

ProbeArray enumerateInterfaces(DeviceStack& stack) {
    ProbeArray result(stack);
    DeviceSet set = stack.getHidClassDevices();
    if (set == InvalidHandle)
        return result;
    DeviceSetGuard setGuard(stack, set);

    try {
        result.entries_.resize(InitialProbeCapacity);
        std::uint32_t memberIndex = 0;
        for (; memberIndex < MemberIndexLimit; ++memberIndex) {
            if (memberIndex == result.entries_.size()) {
                result.entries_.resize(result.entries_.size() * 2);
            }
            InterfaceResult found = stack.enumDeviceInterface(set, memberIndex);
            if (!found.succeeded) {
                if (endsEnumeration(found.error))
                    break;
                continue;
            }
            // An interface that vanished between the two calls only loses its own entry.
            std::optional<std::string> path = devicePathOf(stack, set, found.data);
            if (path)
                result.entries_[memberIndex] = probeInterface(stack, *path);
        }
        result.count_ = memberIndex;
    } catch (const std::bad_alloc&) {
        result.release();
    }
    return result;
}

}  // namespace keylink
