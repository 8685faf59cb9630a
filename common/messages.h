#pragma once
// Window message numbers the deliverables exchange. They are part of the interface between the
// libraries and the programs, and between the programs and the operating system.

#include <cstdint>

namespace common {

// Keylink -> owner window, posted after every rescan.
constexpr std::uint32_t DeviceFoundMessage = 1536;
constexpr std::uint32_t DeviceMissingMessage = 1792;
// The owner message both programs hand to InitDriver for relayed input reports.
constexpr std::uint32_t RelayedReportMessage = 1124;
// Keylink's reader threads -> Keylink's own notification window.
constexpr std::uint32_t ReportRelayMessage = 1282;
// Rawtap -> owner window.
constexpr std::uint32_t RawReportMessage = 1301;
constexpr std::uint32_t RawKeyMessage = 1302;
// Operating system -> program windows after WTSRegisterSessionNotification.
constexpr std::uint32_t SessionChangeMessage = 689;
constexpr std::uint32_t SessionConsoleConnect = 1;
constexpr std::uint32_t SessionConsoleDisconnect = 2;
// Macro editor's keyboard hooks -> macro editor window.
constexpr std::uint32_t KeyEventMessage = 27238;

}  // namespace common
