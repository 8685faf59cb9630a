#pragma once
// An input-report reader: the context one reader thread owns, and the passes it runs.

#include <array>
#include <atomic>
#include <cstdint>

#include "keylink/device_stack.h"
#include "keylink/reader_host.h"

namespace keylink {

constexpr std::uint32_t ReaderSleepMilliseconds = 100;

// Everything one reader thread uses. The thread shares only stopFlag and finished with the
// thread that started it; its handle is a duplicate of its own, so that closing the record
// never pulls the handle from under a read in progress.
struct ReaderContext {
    ReaderContext(std::int32_t listPosition, OsHandle ownHandle)
        : position(listPosition), device(ownHandle) {}

    const std::int32_t position;
    const OsHandle device;
    std::atomic<std::uint32_t> stopFlag{0};
    std::atomic<bool> finished{false};
    OverlappedRead read;
    std::array<std::uint8_t, RelayedReportSize> buffer{};
};

// The reader thread's body. Reads reports one after another and relays each one that arrived
// whole, until the stop flag is set or a read cannot be issued. Whatever ends it, no read is
// left pending and the reader's handle is closed. Returns the thread's exit code: 1 when a read
// could not be issued, 0 otherwise.
std::uint32_t runReader(ReaderContext& context, DeviceStack& stack, ReaderHost& host);

}  // namespace keylink
