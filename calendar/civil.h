#pragma once
// Proleptic Gregorian dates as plain integers. Valid for years 1 to 9999,
// which is all that a date of the form YYYY-MM-DD can name.

#include <cstdint>

namespace tarnvel {

struct CivilDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    friend constexpr bool operator==(CivilDate, CivilDate) noexcept = default;
};

// The full Gregorian rule: 1900 and 2100 are common years, 2000 is a leap year.
constexpr bool is_leap_year(int y) noexcept {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

constexpr int days_in_month(int y, int m) noexcept {
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && is_leap_year(y) ? 29 : lengths[m - 1];
}

constexpr bool is_valid(CivilDate d) noexcept {
    return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= days_in_month(d.year, d.month);
}

// The day after d; 9999-12-31 has no successor in range and yields 10000-01-01.
constexpr CivilDate next_day(CivilDate d) noexcept {
    if (d.day < days_in_month(d.year, d.month)) return {d.year, d.month, d.day + 1};
    if (d.month < 12) return {d.year, d.month + 1, 1};
    return {d.year + 1, 1, 1};
}

// Days since 1970-01-01 (negative before it); exact for every year representable in int.
constexpr std::int64_t days_from_civil(CivilDate d) noexcept {
    const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);                          // [0, 399]
    const unsigned mp = static_cast<unsigned>(d.month > 2 ? d.month - 3 : d.month + 9);  // March = 0
    const unsigned doy = (153 * mp + 2) / 5 + static_cast<unsigned>(d.day) - 1;        // [0, 365]
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;                        // [0, 146096]
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr CivilDate civil_from_days(std::int64_t z) noexcept {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);                   // [0, 146096]
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const unsigned mp = (5 * doy + 2) / 153;                                     // [0, 11]
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const auto y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0));
    return {y, m, d};
}

// 0 = Sunday ... 6 = Saturday.
constexpr int weekday(CivilDate d) noexcept {
    const std::int64_t z = days_from_civil(d);
    return static_cast<int>(z >= -4 ? (z + 4) % 7 : (z + 5) % 7 + 6);
}

}  // namespace tarnvel
