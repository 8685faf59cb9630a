#pragma once
// Waiting for a condition under Wine: messages are pumped until it holds or the deadline passes.

#include <windows.h>

#include <functional>
#include <string>

namespace forms::testing {

// Pumps this thread's messages until the condition holds; false when `seconds` passed first.
bool pumpUntil(const std::function<bool()>& condition, double seconds = 10);

// Starts a Unix program by its absolute path. Wine gives no handle to wait on for a Unix
// process: callers wait for what it makes.
bool startUnixProgram(const std::wstring& commandLine);

}  // namespace forms::testing
