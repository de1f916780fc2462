#pragma once
// Text and geometry conversions between the platform's values and the Win32 API's.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/control_state.h"
#include "platform/font.h"
#include "platform/units.h"

namespace tarnvel::platform::win32 {

// UTF-8 to the UTF-16 the W functions take; malformed bytes become U+FFFD.
std::wstring Wide(std::string_view utf8);
// UTF-16 from the W functions to UTF-8; unpaired surrogates become U+FFFD.
std::string Narrow(std::wstring_view utf16);

// Twips per pixel of the primary screen's logical DPI; 15 x 15 when it cannot be read.
TwipsPerPixel ScreenFactors();

// A GDI font of `f` at the logical DPI that `factors` stand for; the caller deletes it.
HFONT MakeFont(const Font& f, TwipsPerPixel factors);

// A rectangle given in twips, in client pixels.
RECT PixelRect(double left, double top, double width, double height, TwipsPerPixel factors);
inline RECT PixelRect(const TwipsBox& b, TwipsPerPixel factors) {
    return PixelRect(b.left, b.top, b.width, b.height, factors);
}

// The module whose resources hold the pictures and the icon: the program itself.
HINSTANCE Instance();

}  // namespace tarnvel::platform::win32
