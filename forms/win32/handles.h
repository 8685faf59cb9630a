#pragma once
// Owners of Windows handles: each closes its handle the way that handle is closed.

#include <windows.h>

#include <utility>

namespace forms::win32 {

template <class Handle, class Traits>
class Owned {
  public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { reset(); }
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Handle{});
        }
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{})
            Traits::close(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_{};
};

struct WindowTraits {
    static void close(HWND h) { DestroyWindow(h); }
};
struct GdiObjectTraits {
    static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    static void close(HDC h) { DeleteDC(h); }
};
struct IconTraits {
    static void close(HICON h) { DestroyIcon(h); }
};
struct MenuTraits {
    static void close(HMENU h) { DestroyMenu(h); }
};

using UniqueWindow = Owned<HWND, WindowTraits>;
using UniqueMemoryDc = Owned<HDC, MemoryDcTraits>;
using UniqueIcon = Owned<HICON, IconTraits>;
using UniqueMenu = Owned<HMENU, MenuTraits>;

template <class T>
class UniqueGdi : public Owned<HGDIOBJ, GdiObjectTraits> {
  public:
    UniqueGdi() = default;
    explicit UniqueGdi(T handle) : Owned(handle) {}
    T get() const { return static_cast<T>(Owned::get()); }
};
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePen = UniqueGdi<HPEN>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueRegion = UniqueGdi<HRGN>;

// A device context of a window, released when done.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// The painting context of WM_PAINT.
class PaintDc {
  public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context, put back when done.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace forms::win32
