#pragma once
// The `nanakshahi` command as a function: everything but reading the clock, so that a
// fixed "today" can stand in for it.

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

// `args` excludes the program name; `today` is the local date. `in` is read only by --unicode.
int run(std::span<const std::string_view> args, CivilDate today, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace tarnvel::cli
