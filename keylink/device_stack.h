#pragma once
// The device stack as Keylink sees it: the setupapi, hid and kernel32 calls it makes, one
// operation for each call, in portable types. The Windows side forwards each operation to the
// system; the tests answer them from a fake keyboard.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace keylink {

// System handles travel as pointer-sized integers. 0 means "none"; the all-ones value is the
// system's invalid-handle value, which CreateFileA and SetupDiGetClassDevsA return on failure.
using OsHandle = std::uintptr_t;
constexpr OsHandle NoHandle = 0;
constexpr OsHandle InvalidHandle = ~OsHandle{0};
using DeviceSet = std::uintptr_t;
using PreparsedData = std::uintptr_t;

// Values of the system's own constants that the rules below are written in.
namespace sys {
constexpr std::uint32_t ErrorInvalidHandle = 6;
constexpr std::uint32_t ErrorInsufficientBuffer = 122;
constexpr std::uint32_t ErrorNoMoreItems = 259;
constexpr std::uint32_t ErrorInvalidUserBuffer = 1784;

constexpr std::uint32_t GenericRead = 0x80000000;
constexpr std::uint32_t GenericWrite = 0x40000000;
constexpr std::uint32_t FileShareRead = 0x1;
constexpr std::uint32_t FileShareWrite = 0x2;
constexpr std::uint32_t OpenExisting = 3;
constexpr std::uint32_t FileAttributeNormal = 0x80;
constexpr std::uint32_t FileFlagOverlapped = 0x40000000;

// SP_DEVICE_INTERFACE_DETAIL_DATA_A: a 32-bit size field, then the zero-terminated path. The
// size field holds the structure's fixed size under setupapi's 1-byte packing.
constexpr std::size_t DetailPathOffset = 4;
constexpr std::uint32_t DetailFixedSize = 5;
}  // namespace sys

// The fields of SP_DEVICE_INTERFACE_DATA other than its size, handed back unchanged to the
// detail query.
struct InterfaceData {
    std::array<std::uint8_t, 16> interfaceClass{};
    std::uint32_t flags = 0;
    std::uintptr_t reserved = 0;
};

struct InterfaceResult {
    bool succeeded = false;
    std::uint32_t error = 0;  // the thread's last error when the call failed
    InterfaceData data;
};

struct DetailResult {
    bool succeeded = false;
    std::uint32_t error = 0;
    std::uint32_t requiredSize = 0;
};

struct HidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
};

struct HidCaps {
    std::uint16_t usage = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t outputReportByteLength = 0;
    std::uint16_t featureReportByteLength = 0;
};

// The outcome of one ReadFileEx, written by its completion routine. The routine runs on the
// reading thread during one of its alertable waits, so no other thread ever touches it.
struct OverlappedRead {
    bool completed = false;
    std::uint32_t error = 0;
    std::uint32_t bytesRead = 0;
};

enum class SleepResult { Elapsed, IoCompletion };

class DeviceStack {
  public:
    virtual ~DeviceStack() = default;

    // SetupDiGetClassDevsA(HID interface class, no enumerator, no window,
    // DIGCF_PRESENT | DIGCF_DEVICEINTERFACE); InvalidHandle when it fails.
    virtual DeviceSet getHidClassDevices() = 0;
    // SetupDiEnumDeviceInterfaces(set, no device, HID interface class, memberIndex).
    virtual InterfaceResult enumDeviceInterface(DeviceSet set, std::uint32_t memberIndex) = 0;
    // SetupDiGetDeviceInterfaceDetailA into detail; an empty span asks only for the size.
    virtual DetailResult getDeviceInterfaceDetail(DeviceSet set, const InterfaceData& data,
                                                  std::span<std::uint8_t> detail) = 0;
    virtual void destroyDeviceInfoList(DeviceSet set) = 0;

    // CreateFileA(path, access, share, no security attributes, creation, flags, no template);
    // InvalidHandle when it fails.
    virtual OsHandle createFile(const char* path, std::uint32_t access, std::uint32_t share,
                                std::uint32_t creation, std::uint32_t flagsAndAttributes) = 0;
    virtual bool closeHandle(OsHandle handle) = 0;
    // DuplicateHandle within this process with the same access; NoHandle when it fails.
    virtual OsHandle duplicateHandle(OsHandle handle) = 0;

    virtual std::optional<PreparsedData> getPreparsedData(OsHandle device) = 0;
    virtual void freePreparsedData(PreparsedData data) = 0;
    virtual std::optional<HidAttributes> getAttributes(OsHandle device) = 0;
    // HidP_GetCaps; a result only when it answers HIDP_STATUS_SUCCESS.
    virtual std::optional<HidCaps> getCaps(PreparsedData data) = 0;

    virtual bool setFeature(OsHandle device, std::span<const std::uint8_t> report) = 0;
    virtual bool getFeature(OsHandle device, std::span<std::uint8_t> report) = 0;
    virtual bool getManufacturerString(OsHandle device, std::span<std::uint8_t> buffer) = 0;
    virtual bool getIndexedString(OsHandle device, std::uint32_t stringIndex,
                                  std::span<std::uint8_t> buffer) = 0;

    // ReadFileEx of buffer.size() bytes with a zeroed overlapped record; the completion
    // routine fills read. buffer and read must stay alive until the read has completed.
    virtual bool readFileEx(OsHandle device, std::span<std::uint8_t> buffer,
                            OverlappedRead& read) = 0;
    // CancelIo: ends the reads this thread issued on the handle.
    virtual bool cancelIo(OsHandle device) = 0;
    virtual SleepResult sleepEx(std::uint32_t milliseconds, bool alertable) = 0;
};

}  // namespace keylink
