#pragma once
// What acts on all the program's windows at once: hiding to the notification area,
// showing again, and the exit sequence.

#include <functional>
#include <vector>

#include "platform/program.h"
#include "platform/settings_store.h"
#include "platform/world.h"

namespace tarnvel {

// A window of the program as these operations see it.
struct ProgramWindow {
    std::function<bool()> Loaded;
    std::function<bool()> Visible;
    std::function<void()> Show;
    std::function<void()> Hide;
    std::function<void()> Unload;
};

struct AllWindowsModule {
    std::vector<ProgramWindow> windows;     // the strip first, in the platform's order
    std::function<void()> StopStripWatch;   // the strip's pointer watch rests while hidden
    std::function<void()> StartStripWatch;  // the strip's pointer watch runs again
    std::function<bool()> NotificationArea;  // whether there is an area to hide the calendar to
    std::function<void()> MinimizeStrip;    // where there is none, the close picture minimises
    std::function<void()> Quit;             // ends the program; called once no window is loaded

    platform::SettingsStore* settings = nullptr;
    const platform::ProgramIdentity* program = nullptr;
    platform::MessageDialog* message_box = nullptr;
};

inline AllWindowsModule Module;

// Stops the strip's pointer watch when the strip is on screen, then hides every loaded
// window. Where the desktop has no notification area the strip is minimised instead, so the
// calendar cannot be lost.
void HideAllForms();
// Shows every loaded window and starts the strip's pointer watch.
void ShowAllForms();
// Hides and unloads every window loaded when it began; the program ends when none is left.
void UnloadAllForms();
// "E&xit": the settings are saved (a failure is reported and the exit goes on), then
// every window is unloaded.
void mnuTrayClose_Click();

}  // namespace tarnvel
