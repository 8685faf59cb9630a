#pragma once
// Events of components: small delegates. A handler that serves a family of like controls is
// bound to each of them with the sender captured, e.g. `b.onClick = [this, &b] { pick(b); };`.

#include <cstdint>
#include <functional>

#include "forms/geometry.h"

namespace forms {

enum class MouseButton { None, Left, Right, Middle };

// Keys and buttons held while a mouse event happened.
struct ShiftState {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;
    friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

struct MouseEvent {
    MouseButton button = MouseButton::None;  // None for a move
    ShiftState shift;
    int x = 0;  // in the receiving control's own coordinates
    int y = 0;
};

using Handler = std::function<void()>;
using MouseHandler = std::function<void(const MouseEvent&)>;

// The mouse events that controls and forms share.
struct MouseEvents {
    MouseHandler onMouseDown;
    MouseHandler onMouseUp;
    MouseHandler onMouseMove;
    Handler onClick;
    // The mouse capture ended without a button release (a dialog or a task switch took it).
    Handler onCaptureLost;
};

// A window message as the forms see it.
struct Message {
    std::uint32_t number = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::intptr_t result = 0;
};

}  // namespace forms
