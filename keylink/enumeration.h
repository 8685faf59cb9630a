#pragma once
// Enumeration of every present HID interface, one probe per member index.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "keylink/device_stack.h"
#include "keylink/interface_probe.h"

namespace keylink {

constexpr std::size_t InitialProbeCapacity = 40;
// A device stack that never answers "no more items" must not run the library out of memory;
// no machine has this many HID interfaces.
constexpr std::uint32_t MemberIndexLimit = 1u << 16;

// The probes of one enumeration. It owns their probe handles and closes them when it goes.
class ProbeArray {
  public:
    explicit ProbeArray(DeviceStack& stack) : stack_(&stack) {}
    ProbeArray(ProbeArray&& other) noexcept;
    ProbeArray& operator=(ProbeArray&&) = delete;
    ~ProbeArray();

    // Entry i is the interface at member index i; an empty entry could not be probed.
    std::span<const InterfaceProbe> probes() const { return std::span(entries_).first(count_); }
    std::size_t capacity() const { return entries_.size(); }

  private:
    friend ProbeArray enumerateInterfaces(DeviceStack& stack);
    void release();

    DeviceStack* stack_;
    std::vector<InterfaceProbe> entries_;
    std::size_t count_ = 0;
};

ProbeArray enumerateInterfaces(DeviceStack& stack);

}  // namespace keylink
