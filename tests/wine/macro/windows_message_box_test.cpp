#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "common/profile_layout.h"
#include "stormline/macro/key_block_events.h"
#include "stormline/macro/make_run_rule.h"
#include "stormline/macro/win32/windows_message_box.h"

namespace {

// What a box showed, as read from its window.
struct SeenBox {
    bool found = false;
    std::wstring caption;
    std::wstring text;
    bool okButton = false;
    bool otherButtons = false;
};

BOOL CALLBACK rememberVisibleBox(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND findBoxOf(DWORD threadId) {
    HWND box = nullptr;
    EnumThreadWindows(threadId, rememberVisibleBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

std::wstring windowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

bool visibleItem(HWND box, int id) {
    const HWND item = GetDlgItem(box, id);
    return item != nullptr && IsWindowVisible(item);
}

// Waits on another thread for the box that show() opens on this one, reads it and presses OK.
// If no box appears in time, the modal loop is ended with a quit message so the test fails
// instead of hanging.
template <typename Show>
SeenBox showAndRead(Show show) {
    SeenBox seen;
    const DWORD threadId = GetCurrentThreadId();
    std::thread reader([&seen, threadId] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        HWND box = nullptr;
        while (box == nullptr && std::chrono::steady_clock::now() < deadline) {
            box = findBoxOf(threadId);
            if (box == nullptr) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        if (box == nullptr) {
            PostThreadMessageW(threadId, WM_QUIT, 0, 0);
            return;
        }
        seen.found = true;
        seen.caption = windowText(box);
        seen.text = windowText(GetDlgItem(box, 0xFFFF));
        seen.okButton = visibleItem(box, IDOK);
        for (const int id : {IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
            seen.otherButtons = seen.otherButtons || visibleItem(box, id);
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    show();
    reader.join();
    // A quit message left over from a failed wait must not reach later tests.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    return seen;
}

TEST(WindowsMessageBox, RefusedMakeRunShowsTheTextWithoutCaptionAndOnlyOk) {
    common::KeyBlock block{};
    for (std::size_t slot = 0; slot < 7; ++slot) {
        macro::setEventAt(block, slot, macro::makeEvent(static_cast<std::uint8_t>(0x04 + slot)));
    }
    macro::WindowsMessageBox box(nullptr);
    bool passed = true;
    const SeenBox seen = showAndRead([&] { passed = macro::checkMakeRun(block, box); });
    EXPECT_FALSE(passed);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"the \"make\" is too much.");
    EXPECT_EQ(seen.caption, L"");
    EXPECT_TRUE(seen.okButton);
    EXPECT_FALSE(seen.otherButtons);
}

TEST(WindowsMessageBox, ShowsExactlyTheViewItIsGiven) {
    const std::u16string longer = u"first part|and what follows";
    macro::WindowsMessageBox box(nullptr);
    const SeenBox seen = showAndRead(
        [&] { box.showMessage(std::u16string_view(longer).substr(0, longer.find(u'|'))); });
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, L"first part");
}

}  // namespace
