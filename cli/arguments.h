#pragma once
// The command line of `nanakshahi`, checked in full before anything is printed.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/civil.h"

namespace tarnvel::cli {

enum class Mode { Lines, Unicode, Range, Month, Upcoming, Help, Version };

// Which display line Mode::Lines prints.
enum class Script { English, Gurmukhi, Legacy };

struct MonthRef {
    int year = 0;   // Nanakshahi year
    int month = 0;  // 1 = Chet .. 12 = Phagan
};

inline constexpr int DefaultUpcoming = 5;
inline constexpr int MaxUpcoming = 1000;

struct Request {
    Mode mode = Mode::Lines;
    Script script = Script::English;
    std::vector<CivilDate> dates;   // Lines: the dates in the order given; none means today
    CivilDate from{}, to{};         // Range, inclusive, from <= to
    std::optional<MonthRef> month;  // Month: none means the month of today
    int count = DefaultUpcoming;    // Upcoming: 1..MaxUpcoming
};

struct Parsed {
    Request request;
    std::string error;  // one line naming the offending value, without program name or newline
    bool ok() const noexcept { return error.empty(); }
};

// `args` excludes the program name. Every argument is checked; the first fault is reported.
Parsed parse_arguments(std::span<const std::string_view> args);

// A value as it may safely appear inside a one-line message: control characters are
// escaped, and an empty value shows as "".
std::string printable(std::string_view value);

}  // namespace tarnvel::cli
