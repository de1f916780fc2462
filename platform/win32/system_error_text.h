#pragma once
// The system's text for a Win32 error code, as the user reads it in a message.

#include <string>

namespace tarnvel::platform::win32 {

// FormatMessage's text in UTF-8 without its trailing line end; "Error N" when the system
// has no text for the code. Never empty.
std::string SystemErrorText(long code);

}  // namespace tarnvel::platform::win32
