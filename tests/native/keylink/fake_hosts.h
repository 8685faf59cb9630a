#pragma once
// The window and thread side of the library as the tests see it: posted messages, handle
// registrations, reader threads that run when the test says so, and relayed reports.

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <vector>

#include "keylink/host_window.h"
#include "keylink/reader_host.h"

namespace keylink::testing {

class FakeHostWindow : public HostWindow {
  public:
    std::vector<std::uint32_t> posted;
    bool postFails = false;
    std::set<NotifyHandle> registrations;
    std::vector<OsHandle> registeredDevices;

    bool postToOwner(std::uint32_t message) override {
        if (postFails)
            return false;
        posted.push_back(message);
        return true;
    }
    NotifyHandle registerHandleNotification(OsHandle device) override {
        registeredDevices.push_back(device);
        NotifyHandle registration = next_++;
        registrations.insert(registration);
        return registration;
    }
    void unregisterDeviceNotification(NotifyHandle registration) override {
        registrations.erase(registration);
    }

  private:
    NotifyHandle next_ = 0x7000;
};

struct RelayedReport {
    std::int32_t position;
    std::array<std::uint8_t, RelayedReportSize> bytes;
};

// Threads start parked; runThreads() runs each parked body to its end on the test's thread, as
// the scheduler would once the starting thread returns to its message loop.
class FakeReaderHost : public ReaderHost {
  public:
    std::vector<RelayedReport> relayed;
    std::vector<std::uint32_t> exitCodes;
    std::set<OsHandle> liveThreadHandles;
    bool startFails = false;
    // Runs while the owner handles a relayed report, before the test looks at its bytes.
    std::function<void()> duringRelay;

    OsHandle startThread(std::function<std::uint32_t()> body) override {
        if (startFails)
            return NoHandle;
        parked_.push_back(std::move(body));
        OsHandle thread = next_++;
        liveThreadHandles.insert(thread);
        return thread;
    }
    void releaseThread(OsHandle thread) override { liveThreadHandles.erase(thread); }
    void relayReport(std::int32_t position,
                     std::span<const std::uint8_t, RelayedReportSize> report) override {
        if (duringRelay)
            duringRelay();
        RelayedReport copy{position, {}};
        std::copy(report.begin(), report.end(), copy.bytes.begin());
        relayed.push_back(copy);
    }

    std::size_t parkedCount() const { return parked_.size(); }
    void runThreads() {
        std::vector<std::function<std::uint32_t()>> bodies;
        bodies.swap(parked_);
        for (auto& body : bodies)
            exitCodes.push_back(body());
    }

  private:
    std::vector<std::function<std::uint32_t()>> parked_;
    OsHandle next_ = 0x9000;
};

}  // namespace keylink::testing
