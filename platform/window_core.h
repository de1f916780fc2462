#pragma once
// A window's state and arithmetic, written once: its outer rectangle in twips, colours, font,
// pointer shape, the lines drawn on its background and whether it has been shown. Each
// backend's Window::Impl derives from it and supplies the native calls below.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/control_state.h"
#include "platform/window.h"

namespace tarnvel::platform {

struct WindowCore {
    struct PrintedLine {
        std::string text;
        Font font;
        Colour colour;
        int y;  // client pixels
    };

    // The outer rectangle in screen pixels; a window is never less than its two-pixel frame.
    PixelBox OuterPixels() const {
        const PixelBox b = ToPixels({left, top, width, height}, factors);
        return {b.x, b.y, std::max(b.width, 2), std::max(b.height, 2)};
    }
    // True when on_resize is due: the size changed on a window shown before.
    bool Resize(double w, double h) {
        const bool changed = w != width || h != height;
        width = w;
        height = h;
        Place();
        return changed && shown_once;
    }
    // True the first time: the first Show raises on_resize.
    bool FirstShow() { return !std::exchange(shown_once, true); }
    void Print(std::string_view line) {
        printed.push_back({std::string(line), font, fore, current_y});
        current_y += LineHeight(font);
        Repaint();
    }
    void Cls() {
        printed.clear();
        current_y = 0;
        Repaint();
    }

    // Native: moves the window to its rectangle (when it has been made).
    virtual void Place() = 0;
    // Native: redraws the whole client area (when it has been made).
    virtual void Repaint() = 0;
    // Native: the height of a line of `f`, pixels.
    virtual int LineHeight(const Font& f) const = 0;

    TwipsPerPixel factors;
    double left = 0, top = 0, width = 0, height = 0;
    Colour back = 0x00FFFFFF;
    Font font;
    Colour fore = 0;
    std::vector<PrintedLine> printed;
    int current_y = 0;
    bool shown_once = false;
    bool painted_once = false;
    PointerShape pointer = PointerShape::Default;

protected:
    ~WindowCore() = default;
};

// The shared part of a window's Impl; each backend defines it as the derived-to-base step.
WindowCore& CoreOf(const Window& w);

}  // namespace tarnvel::platform
