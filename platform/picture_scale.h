#pragma once
// Which drawing of a picture a screen shows, and at how many device pixels. Every picture
// is drawn twice: NAME at its size and NAME@2x at twice the size. Where a pixel of the 1x
// drawing covers more than one device pixel (Qt's device pixel ratio times the logical DPI
// over 96; on Windows DPI / 96) the 2x drawing is shown, scaled down to the shown size at
// fractional ratios, so that no drawing is ever enlarged below a ratio of 2.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/units.h"

namespace tarnvel::platform {

// 1 or 2: the drawing meant for `ratio` device pixels per pixel (1 up to 1, 2 above).
int DrawingScale(double ratio) noexcept;

// The name of a picture's drawing at that scale: "close" at 1, "close@2x" at 2.
std::string DrawingName(std::string_view name, int scale);

// A window's pixels per pixel of a 1x drawing (whose pixel is 15 twips): its DPI over 96. On
// Windows these are device pixels; Qt multiplies them by its device pixel ratio.
double RatioOfFactors(TwipsPerPixel factors) noexcept;

// A length of `pixels` in device pixels, whole: halves up, as the toolkit rounds a window's
// size, so a picture's device size is the size of the box it fills.
std::int32_t DevicePixels(std::int32_t pixels, double ratio) noexcept;

// The device pixels a picture covers when shown at its natural size (its 1x size).
PixelSize ShownSize(PixelSize natural, double ratio) noexcept;

// The device pixels a stretched picture covers: its twips box in pixels, then in device pixels.
PixelSize BoxDeviceSize(double width_twips, double height_twips, TwipsPerPixel factors, double ratio) noexcept;

}  // namespace tarnvel::platform
