#pragma once
// The span of days the command accepts, and dates written as YYYY-MM-DD.
// The calendar begins on 1 Chet, Sammat 1 (1469-03-14); YYYY-MM-DD ends with 9999-12-31.

#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/civil.h"
#include "calendar/nanakshahi_date.h"

namespace tarnvel::cli {

inline constexpr CivilDate FirstDate = NanakshahiEpoch;
inline constexpr CivilDate LastDate{9999, 12, 31};

constexpr bool in_calendar(CivilDate d) noexcept {
    const std::int64_t z = days_from_civil(d);
    return z >= days_from_civil(FirstDate) && z <= days_from_civil(LastDate);
}

// Whether every day of Nanakshahi `month` (1..12) of `year` lies between FirstDate and LastDate.
constexpr bool month_in_calendar(int year, int month) noexcept {
    if (year < 1 || year > 9999 || month < 1 || month > 12) return false;
    return in_calendar(gregorian_of(year, month, 1)) && in_calendar(gregorian_of(year, month, month_length(year, month)));
}

enum class DateProblem {
    None,
    NotADate,     // not of the form YYYY-MM-DD
    Impossible,   // the form is right but no such day exists, e.g. 2026-02-30
    BeforeFirst,  // a real day before FirstDate
    AfterLast,    // a real day after LastDate (a year of five or more digits)
};

struct DateParse {
    CivilDate date;
    DateProblem problem = DateProblem::None;
};

// Exactly YYYY-MM-DD with two-digit month and day; the year has four digits, or more
// so that a day past 9999 is named as such rather than as malformed.
DateParse parse_iso_date(std::string_view text) noexcept;

// Writes d as YYYY-MM-DD (ten characters for years 1..9999) and returns the end.
char* put_iso_date(char* out, CivilDate d) noexcept;
std::string iso_date(CivilDate d);

}  // namespace tarnvel::cli
