#pragma once
// The log-on entry: a Run value named after the program, holding its full path.

#include <string>

#include "platform/program.h"
#include "platform/registry.h"
#include "platform/world.h"

namespace tarnvel {

// The Run value's text: AppPath, the platform's separator, ExeName and its suffix.
// On Windows a path with a space is quoted, or the shell would first try to run
// the prefix before the space (C:\Program.exe).
std::string RunValueData(const std::string& AppPath, const std::string& ExeName);

// Adds or replaces the Run value (Enable) or deletes it. A failure to open or
// write the key is shown in one message with the error code and the system's text
// for it; the start goes on. The key is closed on every path.
void UpdateRegistry(const std::string& ExeName, const std::string& AppPath, bool Enable, platform::Registry& registry,
                    const platform::ProgramIdentity& program, platform::MessageDialog& message_box);

}  // namespace tarnvel
