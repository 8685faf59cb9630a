#pragma once
// The device stack port over the active table of system entry points.

#include "keylink/device_stack.h"

namespace keylink::win32 {

class TableDeviceStack : public DeviceStack {
  public:
    DeviceSet getHidClassDevices() override;
    InterfaceResult enumDeviceInterface(DeviceSet set, std::uint32_t memberIndex) override;
    DetailResult getDeviceInterfaceDetail(DeviceSet set, const InterfaceData& data,
                                          std::span<std::uint8_t> detail) override;
    void destroyDeviceInfoList(DeviceSet set) override;
    OsHandle createFile(const char* path, std::uint32_t access, std::uint32_t share,
                        std::uint32_t creation, std::uint32_t flagsAndAttributes) override;
    bool closeHandle(OsHandle handle) override;
    OsHandle duplicateHandle(OsHandle handle) override;
    std::optional<PreparsedData> getPreparsedData(OsHandle device) override;
    void freePreparsedData(PreparsedData data) override;
    std::optional<HidAttributes> getAttributes(OsHandle device) override;
    std::optional<HidCaps> getCaps(PreparsedData data) override;
    bool setFeature(OsHandle device, std::span<const std::uint8_t> report) override;
    bool getFeature(OsHandle device, std::span<std::uint8_t> report) override;
    bool getManufacturerString(OsHandle device, std::span<std::uint8_t> buffer) override;
    bool getIndexedString(OsHandle device, std::uint32_t stringIndex,
                          std::span<std::uint8_t> buffer) override;
    bool readFileEx(OsHandle device, std::span<std::uint8_t> buffer, OverlappedRead& read) override;
    bool cancelIo(OsHandle device) override;
    SleepResult sleepEx(std::uint32_t milliseconds, bool alertable) override;
};

}  // namespace keylink::win32
