#pragma once
// The parts of hid.dll's interface that Keylink calls, declared here rather than taken from a
// driver kit. Layouts are those of the 32-bit system.

#include <windows.h>

#include <cstddef>

namespace keylink::win32 {

using HidPreparsedData = void*;

struct HiddAttributes {
    ULONG size;
    USHORT vendorId;
    USHORT productId;
    USHORT versionNumber;
};
static_assert(sizeof(HiddAttributes) == 12);

struct HidpCaps {
    USHORT usage;
    USHORT usagePage;
    USHORT inputReportByteLength;
    USHORT outputReportByteLength;
    USHORT featureReportByteLength;
    USHORT reserved[17];
    USHORT counts[10];
};
static_assert(sizeof(HidpCaps) == 64);

constexpr LONG HidpStatusSuccess = 0x00110000;

}  // namespace keylink::win32
