#pragma once
// Where the main window's dialogs open: their top-left corner at the main window's top-left
// corner plus the third profile button's position, 160 pixels lower.

#include "forms/form.h"
#include "stormline/mainwindow/main_window_design.h"

namespace stormline {

inline forms::Point dialogPosition(const forms::Form& mainWindow) {
    return {mainWindow.left() + Profile3ButtonPosition.x,
            mainWindow.top() + Profile3ButtonPosition.y + DialogDropBelowProfile3};
}

}  // namespace stormline
