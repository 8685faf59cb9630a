#pragma once
// Raw input from the system's raw-input service, called through the function table.

#include "rawtap/raw_input_source.h"

namespace rawtap::win32 {

class SystemRawInputSource final : public RawInputSource {
  public:
    bool registerCollections(WindowHandle listener,
                             std::span<const common::HidCollection> collections) override;
    std::optional<std::uint32_t> inputSize(InputHandle input) override;
    std::uint32_t readInput(InputHandle input, std::span<std::uint8_t> buffer) override;
    std::optional<RawReportInfo> deviceInfo(DeviceHandle device) override;
};

}  // namespace rawtap::win32
