#pragma once
// The command line of `nanakshahi`, checked in full before anything is printed.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/civil.h"
#include "cli/period.h"
#include "cli/problem.h"
#include "cli/script_text.h"

namespace tarnvel::cli {

enum class Mode { Lines, Unicode, Range, Month, Year, Upcoming, Ics, Help, Version };

inline constexpr int DefaultUpcoming = 5;
inline constexpr int MaxUpcoming = 1000;

struct DateArgument {
    CivilDate date;
    bool nanakshahi = false;  // given as a Nanakshahi day: answered with its Gregorian date
};

struct Request {
    Mode mode = Mode::Lines;
    Script script = Script::English;  // Lines, Range, Month, Year, Upcoming
    bool json = false;                // Lines, Range, Upcoming
    std::vector<DateArgument> dates;  // Lines: the dates in the order given, at least one
    CivilDate from{}, to{};           // Range and Ics, inclusive, from <= to
    MonthsView view;                  // Month and Year
    bool anniversaries = false;       // Ics
    int count = DefaultUpcoming;      // Upcoming: 1..MaxUpcoming
};

struct Parsed {
    Request request;
    Problem problem;
    bool ok() const noexcept { return !problem; }
};

// `args` excludes the program name. `today` is the local date when it lies within the
// calendar, else nothing: a request that needs it then fails with Fault::Clock. Every
// argument is checked; the first fault is reported.
Parsed parse_arguments(std::span<const std::string_view> args, std::optional<CivilDate> today);

// A value as it may safely appear inside a one-line message: control characters are
// escaped, and an empty value shows as "".
std::string printable(std::string_view value);

}  // namespace tarnvel::cli
