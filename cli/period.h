#pragma once
// Which Nanakshahi months the month and year views show, from the words typed after --month
// or --year. Numbers are read as `cal` reads them: a Gregorian MONTH YEAR, a Gregorian YEAR.
// A Nanakshahi month or year has a form of its own: the month by name (Vaisakh 559), the year
// after the word Sammat (Sammat 559). Two numbers that do not make a Gregorian month in cal's
// order are refused with every reading they could have.

#include <optional>
#include <span>
#include <string_view>

#include "calendar/civil.h"
#include "cli/problem.h"

namespace tarnvel::cli {

struct MonthRef {
    int year = 0;   // Nanakshahi year
    int month = 0;  // 1 = Chet .. 12 = Phagan
    friend constexpr bool operator==(MonthRef, MonthRef) noexcept = default;
};

constexpr MonthRef next_month(MonthRef m) noexcept {
    return m.month == 12 ? MonthRef{m.year + 1, 1} : MonthRef{m.year, m.month + 1};
}
constexpr MonthRef previous_month(MonthRef m) noexcept {
    return m.month == 1 ? MonthRef{m.year - 1, 12} : MonthRef{m.year, m.month - 1};
}

struct MonthsView {
    MonthRef first{};
    int count = 1;             // consecutive months from `first`, every one within the calendar
    bool compact = false;      // cal's small blocks, three across (year view and -3)
    bool year = false;         // a year view, with a heading
    int gregorian_year = 0;    // year view: the Gregorian year named, 0 for a Nanakshahi year
};

struct ViewRead {
    MonthsView view;
    Problem problem;
};

// `today` as in read_date. `three`: the month before and after too (-3).
ViewRead read_month_view(std::span<const std::string_view> words, bool three, std::optional<CivilDate> today);
ViewRead read_year_view(std::span<const std::string_view> words, std::optional<CivilDate> today);

}  // namespace tarnvel::cli
