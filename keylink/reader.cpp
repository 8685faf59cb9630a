#include "keylink/reader.h"

#include <algorithm>
#include <optional>

namespace keylink {

namespace {

using Report = std::array<std::uint8_t, RelayedReportSize>;

bool stopRequested(const ReaderContext& context) {
    return context.stopFlag.load() != 0;
}

// Waits alertably until the pending read completes; false when the stop flag was found set
// after a wait that ran out first.
bool awaitCompletion(ReaderContext& context, DeviceStack& stack) {
    for (;;) {
        if (stack.sleepEx(ReaderSleepMilliseconds, true) == SleepResult::IoCompletion) {
            if (context.read.completed)
                return true;
            continue;
        }
        if (stopRequested(context))
            return false;
    }
}

// The read buffer must not be freed while the system may still write into it, so the reader
// cancels its read and sleeps until the completion routine has run.
void cancelPendingRead(ReaderContext& context, DeviceStack& stack) {
    stack.cancelIo(context.device);
    while (!context.read.completed)
        stack.sleepEx(ReaderSleepMilliseconds, true);
}

// Only a read that succeeded and brought at least one byte carries a report. The copy is what
// the owner sees, so the next read can complete into the buffer while the owner still handles
// this report; the bytes past the report are zero.
std::optional<Report> reportOf(const ReaderContext& context) {
    if (context.read.error != 0 || context.read.bytesRead == 0)
        return std::nullopt;
    Report report{};
    std::size_t length = std::min<std::size_t>(context.read.bytesRead, report.size());
    std::copy_n(context.buffer.begin(), length, report.begin());
    return report;
}

std::uint32_t readPasses(ReaderContext& context, DeviceStack& stack, ReaderHost& host) {
    if (stopRequested(context))
        return 0;
    std::optional<Report> previous;
    for (;;) {
        context.read = {};
        bool issued = stack.readFileEx(context.device, context.buffer, context.read);
        // The report of the previous pass is relayed while the next read is already pending.
        if (previous && !stopRequested(context))
            host.relayReport(context.position, *previous);
        previous.reset();
        if (!issued)
            return 1;

        if (!awaitCompletion(context, stack)) {
            cancelPendingRead(context, stack);
            return 0;
        }
        previous = reportOf(context);
        if (stopRequested(context))
            return 0;
    }
}

}  // namespace

std::uint32_t runReader(ReaderContext& context, DeviceStack& stack, ReaderHost& host) {
    std::uint32_t exitCode = readPasses(context, stack, host);
    stack.closeHandle(context.device);
    context.finished.store(true);
    return exitCode;
}

}  // namespace keylink
