#include "keylink/win32/library_state.h"

#include <span>

#include "common/little_endian.h"
#include "common/messages.h"
#include "keylink/device_change.h"
#include "keylink/win32/boundary.h"
#include "keylink/win32/device_stack_selection.h"

namespace keylink::win32 {

namespace {

// The broadcast lParam points to, no further than its own size field says.
std::span<const std::uint8_t> broadcastAt(LPARAM lParam) {
    if (lParam == 0)
        return {};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(lParam);
    std::uint32_t size = common::readLe32(std::span(bytes, dbt::SizeFieldBytes), 0);
    return {bytes, size};
}

}  // namespace

LibraryState::LibraryState() : list(selectedDeviceStack(), host, readers) {}

LibraryState& libraryState() {
    static LibraryState state;
    return state;
}

LRESULT CALLBACK notificationWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return 0;
        case WM_DEVICECHANGE: {
            auto event = static_cast<std::uint32_t>(LOWORD(wParam));
            // Only these events carry a broadcast; others, such as a change of the device
            // tree, reach every top-level window with no lParam at all.
            std::span<const std::uint8_t> broadcast =
                readsBroadcast(event) ? broadcastAt(lParam) : std::span<const std::uint8_t>();
            return withinBoundary<LRESULT>(0, [&]() -> LRESULT {
                handleDeviceChange(libraryState().list, event, broadcast);
                return 0;
            });
        }
        case common::ReportRelayMessage: {
            const WindowHost& host = libraryState().host;
            if (host.owner())
                SendMessageA(host.owner(), host.ownerMessage(), LOWORD(wParam), lParam);
            return 0;
        }
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace keylink::win32
