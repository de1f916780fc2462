#pragma once
// Where the running program lives, and how this platform spells program paths.

#include <string>

namespace tarnvel::platform {

#ifdef _WIN32
inline constexpr char PathSeparator = '\\';
inline constexpr const char* ExecutableSuffix = ".exe";
#else
inline constexpr char PathSeparator = '/';
inline constexpr const char* ExecutableSuffix = "";
#endif

class ProgramIdentity {
public:
    virtual ~ProgramIdentity() = default;
    // The folder that holds the running program, without a trailing separator.
    virtual std::string AppPath() const = 0;
    // The program's file name without its executable suffix ("tarnvel").
    virtual std::string ExeName() const = 0;
};

}  // namespace tarnvel::platform
