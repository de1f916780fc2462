#include "platform/picture_scale.h"

#include <cmath>

namespace tarnvel::platform {

namespace {
// Ratios a hair above 1 (a DPI of 96.0001 after a division) still show the 1x drawing.
constexpr double kSlack = 1e-6;
}  // namespace

int DrawingScale(double ratio) noexcept { return ratio > 1.0 + kSlack ? 2 : 1; }

std::string DrawingName(std::string_view name, int scale) {
    std::string out(name);
    if (scale == 2) out += "@2x";
    return out;
}

double RatioOfFactors(TwipsPerPixel factors) noexcept { return factors.x > 0 ? 15.0 / factors.x : 1.0; }

std::int32_t DevicePixels(std::int32_t pixels, double ratio) noexcept {
    return static_cast<std::int32_t>(std::floor(pixels * ratio + 0.5));
}

PixelSize ShownSize(PixelSize natural, double ratio) noexcept {
    return {DevicePixels(natural.width, ratio), DevicePixels(natural.height, ratio)};
}

PixelSize BoxDeviceSize(double width_twips, double height_twips, TwipsPerPixel factors, double ratio) noexcept {
    return {DevicePixels(TwipsToPixels(width_twips, factors.x), ratio),
            DevicePixels(TwipsToPixels(height_twips, factors.y), ratio)};
}

}  // namespace tarnvel::platform
