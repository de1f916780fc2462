#pragma once
// Twips (1/1440 inch) and screen pixels. Geometry is kept in twips; a pixel value
// computed from twips is rounded to the nearest integer with halves to even.

#include <cmath>
#include <cstdint>

namespace tarnvel::platform {

// Horizontal and vertical twips per pixel: 1440 / logical DPI (15 at 96 DPI).
struct TwipsPerPixel {
    double x = 15.0;
    double y = 15.0;
};

// Halves go to the even neighbour (2.5 -> 2, 3.5 -> 4), as the default
// floating-point rounding mode does.
inline std::int32_t RoundHalfEven(double v) noexcept {
    const double f = std::floor(v);
    const double diff = v - f;
    double r = f;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(f, 2.0) != 0.0)) r = f + 1.0;
    return static_cast<std::int32_t>(r);
}

inline std::int32_t TwipsToPixels(double twips, double twips_per_pixel) noexcept {
    return RoundHalfEven(twips / twips_per_pixel);
}

inline double PixelsToTwips(std::int32_t pixels, double twips_per_pixel) noexcept {
    return pixels * twips_per_pixel;
}

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend constexpr bool operator==(PixelPoint, PixelPoint) noexcept = default;
};

struct PixelSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend constexpr bool operator==(PixelSize, PixelSize) noexcept = default;
};

}  // namespace tarnvel::platform
