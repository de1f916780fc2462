#pragma once
// The whole program: the platform's services, the windows and the desktop
// integration wired together, from the second-start check to the exit sequence.

#include "platform/application.h"

namespace tarnvel {

// Runs the calendar until its exit command; returns the process's exit status.
int RunProgram(platform::Application& app);

}  // namespace tarnvel
