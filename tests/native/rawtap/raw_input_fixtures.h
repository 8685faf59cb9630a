#pragma once
// Raw inputs laid out as the raw-input service hands them over on 32-bit Windows, and a source
// that answers like the service does.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "common/little_endian.h"
#include "rawtap/raw_input_source.h"

namespace rawtap::testing {

inline std::vector<std::uint8_t> rawInputHeader(std::uint32_t type, std::size_t totalSize,
                                                DeviceHandle device) {
    std::vector<std::uint8_t> bytes(totalSize);
    common::writeLe32(bytes, 0, type);
    common::writeLe32(bytes, 4, static_cast<std::uint32_t>(totalSize));
    common::writeLe32(bytes, 8, device);
    return bytes;
}

inline std::vector<std::uint8_t> hidInput(DeviceHandle device, std::uint32_t reportSize,
                                          std::uint32_t reportCount,
                                          const std::vector<std::uint8_t>& reports) {
    std::vector<std::uint8_t> bytes = rawInputHeader(2, 24 + reports.size(), device);
    common::writeLe32(bytes, 16, reportSize);
    common::writeLe32(bytes, 20, reportCount);
    std::copy(reports.begin(), reports.end(), bytes.begin() + 24);
    return bytes;
}

inline std::vector<std::uint8_t> keyboardInput(std::uint16_t makeCode, std::uint16_t flags,
                                               std::uint16_t virtualKey) {
    std::vector<std::uint8_t> bytes = rawInputHeader(1, 32, 0x4410);
    common::writeLe16(bytes, 16, makeCode);
    common::writeLe16(bytes, 18, flags);
    common::writeLe16(bytes, 22, virtualKey);
    common::writeLe32(bytes, 24, (flags & 1) ? 0x0101 : 0x0100);  // WM_KEYUP : WM_KEYDOWN
    return bytes;
}

// Holds inputs and devices by handle; an input can be made to read short, as the service does
// when the buffer it is given does not match the input.
class FakeRawInputSource : public RawInputSource {
  public:
    std::map<InputHandle, std::vector<std::uint8_t>> inputs;
    std::map<DeviceHandle, RawReportInfo> devices;
    std::map<InputHandle, std::uint32_t> shortReads;  // input -> bytes the read claims
    bool registerCollections(WindowHandle, std::span<const common::HidCollection>) override {
        return true;
    }

    std::optional<std::uint32_t> inputSize(InputHandle input) override {
        const auto found = inputs.find(input);
        if (found == inputs.end())
            return std::nullopt;
        return static_cast<std::uint32_t>(found->second.size());
    }

    std::uint32_t readInput(InputHandle input, std::span<std::uint8_t> buffer) override {
        const auto found = inputs.find(input);
        if (found == inputs.end() || found->second.size() > buffer.size())
            return 0xFFFFFFFF;
        std::copy(found->second.begin(), found->second.end(), buffer.begin());
        if (const auto claimed = shortReads.find(input); claimed != shortReads.end()) {
            return claimed->second;
        }
        return static_cast<std::uint32_t>(found->second.size());
    }

    std::optional<RawReportInfo> deviceInfo(DeviceHandle device) override {
        const auto found = devices.find(device);
        if (found == devices.end())
            return std::nullopt;
        return found->second;
    }
};

}  // namespace rawtap::testing
