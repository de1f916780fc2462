#pragma once
// The platform's start and main loop: one per process, on the user-interface thread.

#include <functional>
#include <memory>
#include <string>

#include "platform/date_watch.h"
#include "platform/notify_icon.h"
#include "platform/program.h"
#include "platform/window_proc.h"
#include "platform/world.h"

namespace tarnvel::platform {

class Application {
public:
    // Connects to the display. On failure returns empty and sets `error` to one line
    // of text (never aborts). On a Wayland session the X11 platform (XWayland) is used
    // unless QT_QPA_PLATFORM chooses one.
    static std::unique_ptr<Application> Start(int& argc, char** argv, std::string& error);
    ~Application();

    // Runs the main loop until Quit; returns the exit status.
    int Run();
    void Quit(int status = 0);

    // Handles pending events for `ms` milliseconds.
    static void ProcessEvents(int ms);
    // Handles events until `done` holds or `timeout_ms` passed; returns whether it held.
    static bool WaitFor(const std::function<bool()>& done, int timeout_ms);

    // The folder that holds the program, and its file name without extension.
    static std::string ProgramFolder();
    static std::string ProgramName();
    // The same two, as the settings and the log-on entry ask for them.
    static const ProgramIdentity& Identity();
    // The platform's name ("xcb", "offscreen", "windows", ...).
    static std::string PlatformName();

    // The real outside world: system clock, pointer, primary screen, launcher,
    // message boxes and installed fonts. Lives as long as the Application.
    World& world();
    // The notification area and the windows' procedures, as the desktop integration reaches them.
    NotifyIcon& notify_icon();
    WindowMessages& window_messages();
    // The system's wake-up at midnight and at changes of the clock (platform/system_date_watch.h).
    DateWatch& date_watch();

    struct Impl;

private:
    Application();
    std::unique_ptr<Impl> impl_;
};

}  // namespace tarnvel::platform
