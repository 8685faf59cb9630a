#include "listener_window.h"

#include "common/messages.h"
#include "input_source.h"
#include "rawtap/raw_input_listener.h"

namespace rawtap::win32 {

namespace {

constexpr wchar_t ListenerClassName[] = L"RawtapClass";
constexpr wchar_t ListenerTitle[] = L"HIDUSBKEYMSG";

struct Library {
    HINSTANCE module = nullptr;
    HWND owner = nullptr;
    HWND listenerWindow = nullptr;
};
Library library;

std::uint32_t handleValue(const void* handle) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
}

// The owner is read at every send, so that a later InitDLL redirects everything after it.
class OwnerMessages final : public OwnerWindow {
  public:
    void sendRawReport(const RawReportInfoBlock& info, const ReportBlock& report) override {
        SendMessageW(library.owner, common::RawReportMessage, reinterpret_cast<WPARAM>(info.data()),
                     reinterpret_cast<LPARAM>(report.data()));
    }
    void sendRawKey(std::uint32_t lParam) override {
        SendMessageW(library.owner, common::RawKeyMessage, 1, static_cast<LPARAM>(lParam));
    }
};

class InputErrorMessageBox final : public InputErrorBox {
  public:
    void show() override { MessageBoxA(library.listenerWindow, "Input Error", "Test", MB_OK); }
};

RawInputListener& listener() {
    static OwnerMessages owner;
    static InputErrorMessageBox errorBox;
    static RawInputListener instance(inputSource(), owner, errorBox);
    return instance;
}

LRESULT CALLBACK listenerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INPUT)
        return DefWindowProcW(window, message, wParam, lParam);
    listener().onRawInput(handleValue(reinterpret_cast<const void*>(lParam)));
    // The default procedure does the system's clean-up for input taken in the foreground.
    DefWindowProcW(window, message, wParam, lParam);
    return 0;
}

bool registerListenerClass() {
    WNDCLASSW listenerClass{};
    listenerClass.style = CS_PARENTDC;
    listenerClass.lpfnWndProc = listenerProcedure;
    listenerClass.hInstance = library.module;
    listenerClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    listenerClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    listenerClass.lpszClassName = ListenerClassName;
    return RegisterClassW(&listenerClass) != 0;
}

}  // namespace

void recordModuleInstance(HINSTANCE module) {
    library.module = module;
}

std::uint32_t initDll(std::uint32_t ownerWindow) {
    library.owner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(ownerWindow));
    // The class exists after the first call, so every later call ends here with only the owner
    // replaced.
    if (!registerListenerClass())
        return 0;

    library.listenerWindow = CreateWindowExW(0, ListenerClassName, ListenerTitle, WS_POPUP, 0, 0, 0,
                                             0, nullptr, nullptr, library.module, nullptr);
    if (library.listenerWindow == nullptr)
        return 0;

    const bool registered =
        inputSource().registerCollections(handleValue(library.listenerWindow), ListenedCollections);
    ShowWindow(library.listenerWindow, SW_HIDE);
    return registered ? ownerWindow : 0;
}

}  // namespace rawtap::win32
