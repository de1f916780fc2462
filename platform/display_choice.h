#pragma once
// Which windowing platform the program asks for, from its environment, before it
// connects: Wayland sessions go through XWayland (the xcb platform), because a Wayland
// client can neither place its windows nor read the pointer; a choice in
// QT_QPA_PLATFORM is kept.

#include <functional>
#include <string>

namespace tarnvel::platform {

struct DisplayChoice {
    std::string platform;  // what to put into QT_QPA_PLATFORM; empty: leave it as it is
    std::string error;     // non-empty: no display can be reached; one line without the program name
    // Non-empty in a Wayland session on the X11 platform: how to get XWayland, for a
    // failure to connect to tell (one line part, no program name).
    std::string advice;
};

// `env` answers an environment variable's value, or "" when it is not set.
DisplayChoice ChooseDisplay(const std::function<std::string(const char*)>& env);

}  // namespace tarnvel::platform
