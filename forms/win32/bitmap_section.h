#pragma once
// A picture of the forms as a 32-bit device-independent bitmap that GDI can draw.

#include <windows.h>

#include <cstdint>

#include "forms/bitmap.h"
#include "forms/win32/handles.h"

namespace forms::win32 {

// The picture, top row first; every pixel gets the given alpha byte. Empty when GDI refuses.
UniqueBitmap sectionOf(const Bitmap& picture, HDC dc, std::uint8_t alpha = 0);

}  // namespace forms::win32
