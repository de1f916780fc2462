#pragma once
// What the Win32 outside world (platform/system_world.h) needs beyond the shared declarations.

#include <string>

namespace tarnvel::platform::win32 {

// `argument` quoted for a command line, so that the program receives it as one argument.
std::wstring QuoteArgument(const std::wstring& argument);

}  // namespace tarnvel::platform::win32
