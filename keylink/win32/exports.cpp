// The library's eight exports. Each one runs on the thread that called InitDriver, which also
// runs the notification window; none of them reports whether a device took part.

#include "keylink/keylink.h"

#include <span>

#include "keylink/feature_operations.h"
#include "keylink/read_operation.h"
#include "keylink/win32/boundary.h"
#include "keylink/win32/library_state.h"

using keylink::win32::libraryState;
using keylink::win32::withinBoundary;

namespace {

std::span<std::uint8_t> callerBuffer(void* buffer, DWORD length) {
    if (!buffer)
        return {};
    return {static_cast<std::uint8_t*>(buffer), length};
}

}  // namespace

extern "C" {

LONG WINAPI InitDriver(HWND ownerWindow, UINT ownerMessage, DWORD, DWORD, DWORD usagePage,
                       DWORD usage) {
    // The keyboard's identity is the library's own; the programs' vendor and product
    // arguments are not used.
    return withinBoundary<LONG>(1, [&]() -> LONG {
        auto& state = libraryState();
        state.host.setOwner(ownerWindow, ownerMessage);
        state.list.setTarget(usagePage, usage);
        state.window.createOnce(keylink::win32::notificationWindowProcedure);
        state.list.rescan();
        return 1;
    });
}

LONG WINAPI SetKbdFeatures(DWORD usagePage, DWORD usage, const BYTE* report) {
    return withinBoundary<LONG>(1, [&]() -> LONG {
        if (report) {
            keylink::sendFeatureReport(libraryState().list, usagePage, usage,
                                       keylink::FeatureReport(report, common::FeatureReportSize));
        }
        return 1;
    });
}

LONG WINAPI RemoveDevice() {
    return withinBoundary<LONG>(1, [&]() -> LONG {
        libraryState().list.releaseAll();
        return 1;
    });
}

LONG WINAPI ReadDevice(DWORD usagePage, DWORD usage) {
    return withinBoundary<LONG>(1, [&]() -> LONG {
        keylink::startMatchingReaders(libraryState().list, usagePage, usage);
        return 1;
    });
}

LONG WINAPI DeviceArrival() {
    return withinBoundary<LONG>(0, [&]() -> LONG { return libraryState().list.rescan() ? 1 : 0; });
}

LONG WINAPI GetKbdFeatures(DWORD vendorId, DWORD productId, DWORD usagePage, DWORD usage,
                           BYTE* buffer) {
    return withinBoundary<LONG>(1, [&]() -> LONG {
        if (buffer) {
            keylink::readFeatureReport(libraryState().list, vendorId, productId, usagePage, usage,
                                       keylink::FeatureBuffer(buffer, common::FeatureReportSize));
        }
        return 1;
    });
}

LONG WINAPI GetIndexStr(DWORD vendorId, DWORD productId, DWORD usagePage, DWORD usage,
                        DWORD stringIndex, void* buffer, DWORD bufferBytes) {
    return withinBoundary<LONG>(0, [&]() -> LONG {
        return keylink::readIndexedString(libraryState().list, vendorId, productId, usagePage,
                                          usage, stringIndex, callerBuffer(buffer, bufferBytes));
    });
}

LONG WINAPI GetManufacturerStr(DWORD vendorId, DWORD productId, DWORD usagePage, DWORD usage,
                               void* buffer, DWORD bufferBytes) {
    return withinBoundary<LONG>(0, [&]() -> LONG {
        return keylink::readManufacturerString(libraryState().list, vendorId, productId, usagePage,
                                               usage, callerBuffer(buffer, bufferBytes));
    });
}

}  // extern "C"
