#pragma once
// What every control of a window's client area keeps, the same on every platform: its box in
// twips, whether it is shown, its tooltip, what it tells screen readers and the keyboard's
// mark. A backend only shows these; it keeps no copy of its own.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/accessible.h"
#include "platform/units.h"

namespace tarnvel::platform {

// Twips in the parent's client area, unrounded.
struct TwipsBox {
    double left = 0, top = 0, width = 0, height = 0;
    friend constexpr bool operator==(const TwipsBox&, const TwipsBox&) noexcept = default;
};

// Client pixels: each edge and extent rounded on its own, as the toolkits place a control.
struct PixelBox {
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    friend constexpr bool operator==(const PixelBox&, const PixelBox&) noexcept = default;
};

inline PixelBox ToPixels(const TwipsBox& b, TwipsPerPixel f) noexcept {
    return {TwipsToPixels(b.left, f.x), TwipsToPixels(b.top, f.y), TwipsToPixels(b.width, f.x),
            TwipsToPixels(b.height, f.y)};
}

// Which property a change touched, so that a backend redoes only what depends on it.
enum class Change { Box, Visible, Tip, Text, Typeface, TextColour, Align, Background, Mark, ScreenReader, Image, Stretch, Order };

struct ControlState {
    TwipsBox box;
    bool visible = true;
    std::string tooltip;
    Accessible accessible;
    bool marked = false;  // the keyboard's mark (platform/focus_ring.h)
};

}  // namespace tarnvel::platform
