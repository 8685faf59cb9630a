#pragma once
// GDI fonts made from the forms' font descriptions, made once and kept for the run.

#include <windows.h>

#include <map>
#include <tuple>

#include "forms/font.h"
#include "forms/win32/handles.h"

namespace forms::win32 {

class FontCache {
  public:
    HFONT fontFor(const Font& font);

  private:
    using Key = std::tuple<std::u16string, int, int, bool, bool, bool>;
    std::map<Key, UniqueFont> fonts_;
};

COLORREF colourRef(Colour colour);

}  // namespace forms::win32
