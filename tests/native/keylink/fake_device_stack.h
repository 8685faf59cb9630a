#pragma once
// A device stack that answers from a list of fake HID interfaces. Each interface starts from a
// sane keyboard collection and is broken per case; the stack keeps count of every handle and
// descriptor it hands out, so that a test can show nothing leaked.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "keylink/device_stack.h"

namespace keylink::testing {

// One answer to a pending read: the bytes of a report, or an error completion.
struct ScriptedRead {
    std::vector<std::uint8_t> report;
    std::uint32_t error = 0;
    // The device goes away with this completion: the next read cannot be issued.
    bool deviceGone = false;
};

struct FakeInterface {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t featureReportLength = 8;

    // Ways to break the interface.
    std::optional<std::uint32_t> enumError;
    std::optional<std::uint32_t> detailSizeError;  // the size query fails with this instead
    std::optional<std::uint32_t> detailRequiredSize;
    bool detailFetchFails = false;
    bool openFails = false;
    bool preparsedFails = false;
    bool attributesFails = false;
    bool capsFails = false;
    bool readIssueFails = false;

    std::vector<std::uint8_t> featureAnswer;
    std::vector<std::uint8_t> stringAnswer;
    std::deque<ScriptedRead> reads;
};

// The keyboard's collection (0xFF00, 0xFF00) with a path unique to serial.
FakeInterface keyboardCollection(int serial = 0);
FakeInterface otherDevice(int serial, std::uint16_t usagePage, std::uint16_t usage);

struct OpenCall {
    std::string path;
    std::uint32_t access;
    std::uint32_t share;
    std::uint32_t creation;
    std::uint32_t flags;
};

struct Transfer {
    std::string kind;  // "setFeature", "getFeature", "pause", ...
    std::string path;
    std::vector<std::uint8_t> bytes;
};

class FakeDeviceStack : public DeviceStack {
  public:
    std::vector<FakeInterface> interfaces;
    bool classSetFails = false;
    // Past the last interface, answer with this error instead of "no more items".
    std::optional<std::uint32_t> errorPastTheEnd;

    std::vector<OpenCall> opens;
    // Feature and string transfers and the pauses between them, in order.
    std::vector<Transfer> transfers;
    std::vector<std::uint32_t> memberIndicesAsked;
    int cancelCount = 0;
    // Runs during an alertable sleep that no read completes, as time passing on the other
    // threads would.
    std::function<void()> duringIdleSleep;

    // The system writes the next report into the pending read's buffer; its completion routine
    // runs only at the reader's next alertable sleep.
    void writeIntoPendingRead();

    std::size_t openHandleCount() const { return handles_.size(); }
    int outstandingPreparsedData() const { return outstandingPreparsed_; }
    bool deviceSetOpen() const { return deviceSetOpen_; }
    std::string pathOf(OsHandle handle) const;

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

  private:
    struct PendingRead {
        OsHandle device;
        std::span<std::uint8_t> buffer;
        OverlappedRead* read;
        bool cancelled = false;
    };

    FakeInterface* interfaceAt(OsHandle handle);
    bool answerString(OsHandle device, std::span<std::uint8_t> buffer);

    static constexpr DeviceSet TheDeviceSet = 0x5E7;
    bool deviceSetOpen_ = false;
    OsHandle nextHandle_ = 0x100;
    std::map<OsHandle, std::string> handles_;  // open handle -> path
    std::map<PreparsedData, std::string> preparsed_;
    int outstandingPreparsed_ = 0;
    std::optional<PendingRead> pending_;
    static constexpr int IdleSleepLimit = 1000;
    int idleSleeps_ = 0;
};

}  // namespace keylink::testing
