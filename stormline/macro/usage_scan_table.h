#pragma once
// From a stored usage back to a scan code, to ask the operating system for the key's display
// name. The table is the inverse of the scan to usage halves, computed when compiling, with the
// plain scan code taken where a usage comes from both halves and three keys named otherwise.

#include <array>
#include <cstdint>
#include <optional>

#include "stormline/macro/scan_usage_table.h"

namespace macro {

struct ScanCode {
    std::uint8_t scan = 0;
    bool extended = false;

    constexpr bool operator==(const ScanCode&) const = default;
};

// Indexed by usage. Usage 0 and the usages no scan code produces have no entry, and so no name.
struct UsageScanTable {
    std::array<std::optional<ScanCode>, 256> entries;
};

namespace usage_scan_detail {

struct NamingException {
    std::uint8_t usage;
    ScanCode scan;
};

inline constexpr NamingException NamingExceptions[] = {
    // Print Screen also arrives as plain 0x54 (with Alt held), but is named as the key itself.
    {0x46, {0x37, true}},
    // Pause shares plain 0x45 with Num Lock; it is named by the code of its Ctrl+Break form.
    {0x48, {0x46, true}},
    // No scan code produces the ISO key beside Enter; it sits where the backslash key does.
    {0x32, {0x2B, false}},
};

constexpr UsageScanTable buildInverse() {
    UsageScanTable table{};
    for (unsigned scan = 0; scan < 256; ++scan) {
        if (const std::uint8_t usage = ScanUsages.extended[scan]; usage != 0) {
            table.entries[usage] = ScanCode{static_cast<std::uint8_t>(scan), true};
        }
    }
    for (unsigned scan = 0; scan < 256; ++scan) {
        if (const std::uint8_t usage = ScanUsages.plain[scan]; usage != 0) {
            table.entries[usage] = ScanCode{static_cast<std::uint8_t>(scan), false};
        }
    }
    for (const NamingException& exception : NamingExceptions) {
        table.entries[exception.usage] = exception.scan;
    }
    return table;
}

constexpr bool isException(unsigned usage) {
    for (const NamingException& exception : NamingExceptions) {
        if (exception.usage == usage) {
            return true;
        }
    }
    return false;
}

// Every usage a scan code produces has an entry that leads back to it, and only those do,
// apart from the exceptions.
constexpr bool isInverse(const UsageScanTable& table) {
    for (unsigned usage = 0; usage < 256; ++usage) {
        const std::optional<ScanCode>& entry = table.entries[usage];
        if (usage == 0) {
            if (entry) {
                return false;
            }
            continue;
        }
        if (isException(usage)) {
            continue;
        }
        if (!entry) {
            for (unsigned scan = 0; scan < 256; ++scan) {
                if (ScanUsages.plain[scan] == usage || ScanUsages.extended[scan] == usage) {
                    return false;
                }
            }
        } else if (usageFromScan(entry->scan, entry->extended) != usage) {
            return false;
        }
    }
    return true;
}

}  // namespace usage_scan_detail

inline constexpr UsageScanTable UsageScans = usage_scan_detail::buildInverse();
static_assert(usage_scan_detail::isInverse(UsageScans));

constexpr std::optional<ScanCode> scanFromUsage(std::uint8_t code) {
    return UsageScans.entries[code];
}

// The lParam layout of a Windows key message, as the key-name function expects it.
constexpr std::uint32_t keyMessageWord(ScanCode code) {
    return (static_cast<std::uint32_t>(code.scan) & 0xFF) * 0x10000 +
           (code.extended ? 0x01000000u : 0u);
}

}  // namespace macro
