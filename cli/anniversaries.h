#pragma once
// The fixed anniversaries of the Nanakshahi calendar that the reader's history pages give,
// from the table in cli/data (see its README for the source and the licence).

#include <span>
#include <string_view>

namespace tarnvel::cli {

struct Anniversary {
    int month;  // Nanakshahi, 1 = Chet
    int day;
    std::string_view english;
    std::string_view gurmukhi;  // Unicode, NFC
    std::string_view kind;      // calendar, gurpurab, historical or bhagat
    // The Gregorian day the table gives in a common and in a leap year.
    int common_month, common_day, leap_month, leap_day;
};

// In the table's order.
std::span<const Anniversary> anniversaries();

// The table's own entries for the New Year and the first day of each month, which the
// calendar export already carries as the months' events.
constexpr bool repeats_a_month_start(const Anniversary& a) noexcept {
    return a.kind == "calendar" && a.day == 1 &&
           (a.english == "Nanakshahi New Year" || a.english.starts_with("Beginning of "));
}

inline constexpr std::string_view AnniversarySource =
    "the table gurpurabs of nanakshahi-js 9.0.1 (src/consts/gurpurabs.ts), Mozilla Public License 2.0 "
    "(https://mozilla.org/MPL/2.0/)";

}  // namespace tarnvel::cli
