#pragma once
// One tick of a window dragged by the pointer, the same for every window.

#include "platform/units.h"
#include "platform/window.h"

namespace tarnvel::platform {

// Moves `w` by the pointer's movement since the previous tick, in twips (single
// precision). `last_x` and `last_y` hold the previous tick's position, 0 meaning not
// yet taken: the first tick after a press only takes note, and a pointer on the
// screen's left or top edge loses that axis's movement of one tick.
inline void DragTick(Window& w, PixelPoint pointer, TwipsPerPixel f, float& last_x, float& last_y) {
    const auto x = static_cast<float>(pointer.x * f.x);
    const auto y = static_cast<float>(pointer.y * f.y);
    if (last_x == 0) last_x = x;
    if (last_y == 0) last_y = y;
    float dx = 0;
    float dy = 0;
    if (last_x != x) {
        dx = last_x - x;
        last_x = x;
    }
    if (last_y != y) {
        dy = last_y - y;
        last_y = y;
    }
    w.SetLeft(static_cast<float>(w.Left()) - dx);
    w.SetTop(static_cast<float>(w.Top()) - dy);
}

}  // namespace tarnvel::platform
