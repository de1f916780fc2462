#pragma once
// The `nanakshahi` command as a function: everything but reading the clock and asking what
// standard output is, so that a fixed "today" and a fixed terminal can stand in for them.

#include <cstdint>
#include <istream>
#include <ostream>
#include <span>
#include <string_view>

#include "calendar/civil.h"

namespace tarnvel::cli {

// Exit statuses.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;   // reading, writing, or a today outside the calendar
inline constexpr int ExitBadInput = 2;  // one line on `err`, nothing on `out`

struct Context {
    CivilDate today;             // the local date
    std::int64_t now = 0;        // seconds since 1970-01-01 00:00 UTC (the stamp of --ics)
    bool mark_today = false;     // reverse video for today: standard output is a terminal
                                 // and NO_COLOR is not set
};

// `args` excludes the program name. `in` is read only by --unicode.
int run(std::span<const std::string_view> args, const Context& context, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace tarnvel::cli
