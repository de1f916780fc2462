#pragma once
// Desktop entry files (the freedesktop.org format): escaping of string values and
// of Exec command lines, so that any path, whatever characters its folders hold,
// names exactly one program and adds no key.

#include <string>
#include <string_view>

namespace tarnvel::platform::os {

// A string value: backslash, line breaks and tabs escaped, a leading space as \s.
std::string EscapeDesktopString(std::string_view value);

// An Exec value that runs `program` with no arguments: the path quoted, with
// the characters special inside quotes and '%' escaped, then escaped as a string.
std::string DesktopExec(std::string_view program);

// A whole application entry that starts `program` at log-on.
std::string AutostartEntry(std::string_view name, std::string_view program);

}  // namespace tarnvel::platform::os
