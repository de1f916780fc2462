#pragma once
// The Nanakshahi solar calendar: twelve months with fixed Gregorian first days,
// the year counted from 1469 and changing on 1 Chet (14 March).

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/civil.h"

namespace tarnvel {

struct NanakshahiMonthInfo {
    std::string_view english;
    std::string_view gurmukhi;  // GurbaniLipi keyboard encoding: shows as Gurmukhi only in that font
    int first_month;            // Gregorian month and day of the month's first day
    int first_day;
    int length;                 // days in a common year; Phagan gains a day in Gregorian leap years
};

inline constexpr std::array<NanakshahiMonthInfo, 12> NanakshahiMonths{{
    {"Chet", "cyq", 3, 14, 31},
    {"Vaisakh", "vYswK", 4, 14, 31},
    {"Jeth", "jyT", 5, 15, 31},
    {"Harh", "hwV", 6, 15, 31},
    {"Sawan", "swvx", 7, 16, 31},
    {"Bhadon", "BwdoN", 8, 16, 30},
    {"Asu", "A`sU", 9, 15, 30},
    {"Katik", "k`qk", 10, 15, 30},
    {"Maghar", "m`Gr", 11, 14, 30},
    {"Poh", "poh", 12, 14, 30},
    {"Magh", "mwG", 1, 13, 30},
    {"Phagan", "P`gx", 2, 12, 30},
}};

// Year 1 began on 14 March 1469; dates before that give years of 0 or less.
inline constexpr CivilDate NanakshahiEpoch{1469, 3, 14};

// The Gregorian year in which Phagan of Nanakshahi year `year` ends.
constexpr int phagan_gregorian_year(int year) noexcept { return year + 1469; }

constexpr int month_length(int year, int month) noexcept {
    if (month == 12) return is_leap_year(phagan_gregorian_year(year)) ? 31 : 30;
    return NanakshahiMonths[static_cast<std::size_t>(month - 1)].length;
}

struct NanakshahiFields {
    int day = 0;    // 1..31
    int month = 0;  // 1 = Chet .. 12 = Phagan
    int year = 0;
    friend constexpr bool operator==(NanakshahiFields, NanakshahiFields) noexcept = default;
};

// The Nanakshahi day after f, without going through the Gregorian date.
constexpr NanakshahiFields next_nanakshahi_day(NanakshahiFields f) noexcept {
    if (f.day < month_length(f.year, f.month)) return {f.day + 1, f.month, f.year};
    if (f.month < 12) return {1, f.month + 1, f.year};
    return {1, 1, f.year + 1};
}

// Gregorian (y, m 1..12, d 1..days_in_month) to Nanakshahi. Each Gregorian month
// holds the first day of exactly one Nanakshahi month; the days before it belong to
// the month that began in the previous Gregorian month.
constexpr NanakshahiFields nanakshahi_fields(int y, int m, int d) noexcept {
    // Gregorian month m -> index of the Nanakshahi month that begins in it.
    constexpr int starts_in[12] = {10, 11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const int i = starts_in[m - 1];
    const int first = NanakshahiMonths[static_cast<std::size_t>(i)].first_day;
    const int year = (m < 3 || (m == 3 && d < 14)) ? y - 1469 : y - 1468;
    if (d >= first) return {d - (first - 1), i + 1, year};
    const int prev = i == 0 ? 11 : i - 1;
    // Only March's earlier month, Phagan, varies in length; its year is the one
    // whose Phagan ends in this Gregorian year.
    const int prev_length = prev == 11 ? (is_leap_year(y) ? 31 : 30)
                                       : NanakshahiMonths[static_cast<std::size_t>(prev)].length;
    return {d + prev_length + 1 - first, prev + 1, year};
}

constexpr NanakshahiFields nanakshahi_fields(CivilDate g) noexcept {
    return nanakshahi_fields(g.year, g.month, g.day);
}

// The Gregorian date of Nanakshahi (year, month, day); the inverse of nanakshahi_fields.
constexpr CivilDate gregorian_of(int year, int month, int day) noexcept {
    const auto& info = NanakshahiMonths[static_cast<std::size_t>(month - 1)];
    const int gy = year + (month <= 10 ? 1468 : 1469);
    return civil_from_days(days_from_civil({gy, info.first_month, info.first_day}) + day - 1);
}

// The Gregorian date of Nanakshahi day `day` of `month` in `year`, or nothing when there is no
// such day: a month outside 1..12, a day outside its month (31 Phagan exists only when Phagan
// ends in a Gregorian leap year), or a day whose Gregorian year lies outside 1..9999.
constexpr std::optional<CivilDate> gregorian_date(int year, int month, int day) noexcept {
    // Years far outside the Gregorian span are refused before any arithmetic could overflow.
    if (month < 1 || month > 12 || day < 1 || year < -1470 || year > 8532) return std::nullopt;
    if (day > month_length(year, month)) return std::nullopt;
    const CivilDate g = gregorian_of(year, month, day);
    if (!is_valid(g)) return std::nullopt;
    return g;
}

// The date record that both windows read. All ten fields are written together.
struct DateRecord {
    std::string GregorianDay;    // "01".."31"
    std::string GregorianMonth;  // "01".."12"
    std::string GregorianYear;   // four digits
    int NanakshahiDay = 0;
    int NanakshahiMonth = 0;
    int NanakshahiYear = 0;
    std::string MonthName_English;
    std::string MonthName_Gurmukhi;
    std::string NanakshahiDate_English;   // "22 Maghar, Sammat 558 Nanakshahi"
    std::string NanakshahiDate_Gurmukhi;  // "22 m`Gr, sMmq 558 nwnkSwhI"
    friend bool operator==(const DateRecord&, const DateRecord&) = default;
};

// The conversion proper: a pure function of the Gregorian date (y 1..9999).
// The overload with an output record reuses its strings' storage.
void convert_date(int y, int m, int d, DateRecord& out);
DateRecord convert_date(int y, int m, int d);

// The display lines alone, for callers that need no record.
std::string english_line(NanakshahiFields f);
std::string gurmukhi_line(NanakshahiFields f);

// The program-wide record: empty until the first Calculate_NanakshahiDate.
inline DateRecord ModuleNanakshahiDate;

// Reads today's local date once from `today` and overwrites the whole record.
void Calculate_NanakshahiDate(const std::function<CivilDate()>& today);

}  // namespace tarnvel
