#include "platform/display_choice.h"

namespace tarnvel::platform {

DisplayChoice ChooseDisplay(const std::function<std::string(const char*)>& env) {
    DisplayChoice c;
    std::string chosen = env("QT_QPA_PLATFORM");
    if (chosen.empty() && (!env("WAYLAND_DISPLAY").empty() || env("XDG_SESSION_TYPE") == "wayland")) {
        c.platform = "xcb";
        chosen = c.platform;
    }
    // Without a choice Qt takes xcb on this desktop; it needs DISPLAY, and aborts without one.
    if ((chosen.empty() || chosen.rfind("xcb", 0) == 0) && env("DISPLAY").empty())
        c.error = "no display: DISPLAY is not set";
    return c;
}

}  // namespace tarnvel::platform
