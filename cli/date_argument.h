#pragma once
// A date where the command takes one: YYYY-MM-DD, today, tomorrow, yesterday, or a Nanakshahi
// day such as "1 Vaisakh 559" (month by its English name in any case; also in the display
// line's own form "1 Vaisakh, Sammat 559 Nanakshahi"; without a year, the year of today).

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "calendar/civil.h"
#include "cli/problem.h"

namespace tarnvel::cli {

struct DateRead {
    CivilDate date{};
    bool nanakshahi = false;  // written as a Nanakshahi day, so answered with the Gregorian date
    Problem problem;
};

// `today` is the local date when it lies within the calendar, else nothing; it is needed only
// by the words for days near today and by a Nanakshahi day without a year.
// Reads one date from words[at...] (see split_words) and moves `at` past its words.
DateRead read_date(std::span<const std::string_view> words, std::size_t& at, std::optional<CivilDate> today);

// Exactly one date, written in one argument.
DateRead read_one_date(std::string_view text, std::optional<CivilDate> today);

// The message for a date that cannot be read; `text` is shown as typed.
std::string not_a_date(std::string_view text);

// The message for a local date outside the calendar.
std::string clock_outside_calendar();

}  // namespace tarnvel::cli
