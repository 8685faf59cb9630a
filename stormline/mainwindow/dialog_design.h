#pragma once
// The frame the main window's three dialogs share: no close box, and their own skin file
// rather than the main window's.

#include <string>

#include "forms/form.h"

namespace stormline {

inline forms::FormDesign dialogDesign(std::string className, std::string name,
                                      std::u16string caption, int clientWidth, int clientHeight) {
    forms::FormDesign design;
    design.className = std::move(className);
    design.name = std::move(name);
    design.caption = std::move(caption);
    design.clientWidth = clientWidth;
    design.clientHeight = clientHeight;
    design.closeBox = false;
    design.skinFile = "skin.ini";
    return design;
}

}  // namespace stormline
