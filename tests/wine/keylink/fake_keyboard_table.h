#pragma once
// A device stack table that shows the system one mouse and the keyboard's presence collection.
// Handles are real: stand-in events for queries, and for reads the client end of a named pipe
// the test writes reports into, so that ReadFileEx, CancelIo and SleepEx are the system's own.

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "keylink/win32/device_stack_table.h"

namespace keylink::testing {

constexpr char FakeMousePath[] =
    "\\\\?\\hid#vid_046d&pid_c077#7&1c2d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
constexpr char FakeKeyboardPath[] =
    "\\\\?\\hid#vid_3c5a&pid_2b17&mi_01&col01#8&2b7d5f1&0&0000#"
    "{4d1e55b2-f16f-11cf-88cb-001111000030}";

struct FakeKeyboardState {
    std::mutex mutex;
    bool keyboardPresent = true;
    // Feature reports the keyboard received and the non-alertable pauses, in order.
    std::vector<std::string> events;
    std::vector<std::vector<std::uint8_t>> featureReports;
    // Where read-mode opens of the keyboard lead; empty for none.
    std::string readPipeName;
    // The detail size the mouse's interface asks for; 0 for its honest size.
    DWORD mouseDetailSize = 0;
};

FakeKeyboardState& fakeKeyboard();
void resetFakeKeyboard();
const win32::DeviceStackTable& fakeKeyboardTable();

}  // namespace keylink::testing
