#include "keylink/win32/reader_threads.h"

#include <windows.h>

#include <memory>

#include "common/messages.h"
#include "keylink/win32/boundary.h"

namespace keylink::win32 {

namespace {

struct ThreadStart {
    std::function<std::uint32_t()> body;
    // A reference on the module that holds the thread's code, so that the code stays mapped
    // until the thread has left it, even when the library is unloaded first.
    HMODULE module = nullptr;
};

DWORD WINAPI readerThread(LPVOID parameter) {
    DWORD exitCode;
    HMODULE module;
    {
        std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
        module = start->module;
        exitCode = withinBoundary<DWORD>(1, [&]() -> DWORD { return start->body(); });
    }
    if (module)
        FreeLibraryAndExitThread(module, exitCode);
    return exitCode;
}

HMODULE pinThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCSTR>(&readerThread), &module);
    // Linked into a program, the code lives as long as the process anyway.
    if (module == GetModuleHandleA(nullptr))
        return nullptr;
    return module;
}

}  // namespace

OsHandle ReaderThreads::startThread(std::function<std::uint32_t()> body) {
    return withinBoundary<OsHandle>(NoHandle, [&] { return startSystemThread(std::move(body)); });
}

OsHandle ReaderThreads::startSystemThread(std::function<std::uint32_t()> body) {
    auto start = std::make_unique<ThreadStart>();
    start->body = std::move(body);
    start->module = pinThisModule();
    HANDLE thread = CreateThread(nullptr, 0, readerThread, start.get(), 0, nullptr);
    if (!thread) {
        if (start->module)
            FreeLibrary(start->module);
        return NoHandle;
    }
    start.release();
    return reinterpret_cast<OsHandle>(thread);
}

void ReaderThreads::releaseThread(OsHandle thread) {
    CloseHandle(reinterpret_cast<HANDLE>(thread));
}

void ReaderThreads::relayReport(std::int32_t position,
                                std::span<const std::uint8_t, RelayedReportSize> report) {
    // Without a notification window there is no relay.
    if (!window_.handle())
        return;
    SendMessageA(window_.handle(), common::ReportRelayMessage, static_cast<WPARAM>(position),
                 reinterpret_cast<LPARAM>(report.data()));
}

}  // namespace keylink::win32
