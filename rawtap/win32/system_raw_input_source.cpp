#include "system_raw_input_source.h"

#include <windows.h>

#include <cstddef>
#include <vector>

#include "raw_input_functions.h"
#include "rawtap/raw_input.h"

namespace rawtap::win32 {

// The core reads raw inputs as the 32-bit layout; these pin it to the system's own structures.
static_assert(sizeof(void*) == 4, "Rawtap is a 32-bit library");
static_assert(sizeof(RAWINPUTDEVICE) == 12);
static_assert(sizeof(RID_DEVICE_INFO) == 32);
static_assert(sizeof(RAWINPUTHEADER) == 16);
static_assert(sizeof(RAWINPUTHEADER) == RawInputHeaderSize);
static_assert(offsetof(RAWINPUT, header.dwType) == 0);
static_assert(offsetof(RAWINPUT, header.hDevice) == 8);
static_assert(offsetof(RAWINPUT, data.keyboard.MakeCode) == 16);
static_assert(offsetof(RAWINPUT, data.keyboard.Flags) == 18);
static_assert(offsetof(RAWINPUT, data.hid.dwSizeHid) == 16);
static_assert(offsetof(RAWINPUT, data.hid.dwCount) == 20);
static_assert(offsetof(RAWINPUT, data.hid.bRawData) == 24);
static_assert(RIM_TYPEKEYBOARD == 1 && RIM_TYPEHID == 2);

namespace {

template <typename Handle>
Handle toHandle(std::uint32_t value) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(value));
}

constexpr UINT HeaderSize = sizeof(RAWINPUTHEADER);
constexpr UINT Failed = static_cast<UINT>(-1);

}  // namespace

bool SystemRawInputSource::registerCollections(WindowHandle listener,
                                               std::span<const common::HidCollection> collections) {
    std::vector<RAWINPUTDEVICE> devices;
    for (const common::HidCollection& collection : collections) {
        devices.push_back(RAWINPUTDEVICE{.usUsagePage = collection.usagePage,
                                         .usUsage = collection.usage,
                                         .dwFlags = RIDEV_INPUTSINK,
                                         .hwndTarget = toHandle<HWND>(listener)});
    }
    return rawInputFunctions().registerRawInputDevices(
               devices.data(), static_cast<UINT>(devices.size()), sizeof(RAWINPUTDEVICE)) != FALSE;
}

std::optional<std::uint32_t> SystemRawInputSource::inputSize(InputHandle input) {
    UINT size = 0;
    if (rawInputFunctions().getRawInputData(toHandle<HRAWINPUT>(input), RID_INPUT, nullptr, &size,
                                            HeaderSize) != 0) {
        return std::nullopt;
    }
    return size;
}

std::uint32_t SystemRawInputSource::readInput(InputHandle input, std::span<std::uint8_t> buffer) {
    UINT size = static_cast<UINT>(buffer.size());
    return rawInputFunctions().getRawInputData(toHandle<HRAWINPUT>(input), RID_INPUT, buffer.data(),
                                               &size, HeaderSize);
}

std::optional<RawReportInfo> SystemRawInputSource::deviceInfo(DeviceHandle device) {
    RID_DEVICE_INFO info{};
    info.cbSize = sizeof info;
    UINT size = sizeof info;
    if (rawInputFunctions().getRawInputDeviceInfoA(toHandle<HANDLE>(device), RIDI_DEVICEINFO, &info,
                                                   &size) == Failed) {
        return std::nullopt;
    }
    return RawReportInfo{.vendorId = info.hid.dwVendorId,
                         .productId = info.hid.dwProductId,
                         .versionNumber = info.hid.dwVersionNumber,
                         .usagePage = info.hid.usUsagePage,
                         .usage = info.hid.usUsage};
}

}  // namespace rawtap::win32
