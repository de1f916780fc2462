#include "platform/display_choice.h"

namespace tarnvel::platform {

DisplayChoice ChooseDisplay(const std::function<std::string(const char*)>& env) {
    DisplayChoice c;
    std::string chosen = env("QT_QPA_PLATFORM");
    const bool wayland = !env("WAYLAND_DISPLAY").empty() || env("XDG_SESSION_TYPE") == "wayland";
    if (chosen.empty() && wayland) {
        c.platform = "xcb";
        chosen = c.platform;
    }
    // Without a choice Qt takes xcb on this desktop; it needs DISPLAY, and aborts without one.
    const bool x11 = chosen.empty() || chosen.rfind("xcb", 0) == 0;
    if (x11 && wayland)
        c.advice = "in a Wayland session Tarnvel runs through XWayland: install it (Debian package xwayland) "
                   "or turn it on in the desktop's settings, then log in again";
    if (x11 && env("DISPLAY").empty())
        c.error = wayland ? "no X display: " + c.advice : "no display: DISPLAY is not set";
    return c;
}

}  // namespace tarnvel::platform
