#pragma once
// What the calendar must show on a day, worked out here from the month and observance
// tables alone, without the program's own conversion or search.

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnvel::test {

struct NanakshahiDay {
    int day = 0, month = 0, year = 0;  // month 1 = Chet
};

struct MonthRow {
    const char* english;
    unsigned first_month, first_day;  // Gregorian first day
    int length;                       // Phagan gains a day in Gregorian leap years
};

inline constexpr MonthRow kMonthTable[12] = {
    {"Chet", 3, 14, 31},   {"Vaisakh", 4, 14, 31}, {"Jeth", 5, 15, 31},  {"Harh", 6, 15, 31},
    {"Sawan", 7, 16, 31},  {"Bhadon", 8, 16, 30},  {"Asu", 9, 15, 30},   {"Katik", 10, 15, 30},
    {"Maghar", 11, 14, 30}, {"Poh", 12, 14, 30},   {"Magh", 1, 13, 30},  {"Phagan", 2, 12, 30},
};

inline constexpr const char* kGregorianMonths[12] = {"January", "February", "March",     "April",
                                                     "May",     "June",     "July",      "August",
                                                     "September", "October", "November", "December"};

// The Nanakshahi date of every day from `first` on, for `days` days, by counting days
// forward from a known date and checking every month's first day against the table.
class DayTable {
public:
    DayTable(std::chrono::sys_days first, NanakshahiDay known, int days) : first_(first) {
        using namespace std::chrono;
        dates_.reserve(static_cast<std::size_t>(days));
        NanakshahiDay n = known;
        for (int i = 0; i < days; ++i) {
            const year_month_day g{first + std::chrono::days{i}};
            const MonthRow& row = kMonthTable[n.month - 1];
            if (n.day == 1 && (unsigned(g.month()) != row.first_month || unsigned(g.day()) != row.first_day))
                throw std::logic_error("month table and day count disagree");
            dates_.push_back(n);
            const bool leap_phagan = n.month == 12 && year{int(g.year())}.is_leap();
            const int length = row.length + (leap_phagan ? 1 : 0);
            if (++n.day > length) {
                n.day = 1;
                if (++n.month > 12) n.month = 1;
                if (n.month == 1) ++n.year;
            }
        }
    }
    const NanakshahiDay& at(std::chrono::sys_days d) const {
        return dates_.at(static_cast<std::size_t>((d - first_).count()));
    }

private:
    std::chrono::sys_days first_;
    std::vector<NanakshahiDay> dates_;
};

inline std::string EnglishLine(const NanakshahiDay& n) {
    return std::to_string(n.day) + " " + kMonthTable[n.month - 1].english + ", Sammat " + std::to_string(n.year) +
           " Nanakshahi";
}

inline std::string LongGregorian(std::chrono::year_month_day g) {
    const unsigned d = unsigned(g.day());
    return (d < 10 ? "0" : "") + std::to_string(d) + " " + kGregorianMonths[unsigned(g.month()) - 1] + " " +
           std::to_string(int(g.year()));
}

// The message line as a fresh start shows it: the observance countdowns (five days
// ahead, a greeting on the day) win over the New Year's countdown (4 to 13 March)
// and greeting (14 March). Empty: nothing shows.
inline std::string ExpectedLine(std::chrono::year_month_day g, const NanakshahiDay& n) {
    const unsigned m = unsigned(g.month()), d = unsigned(g.day());
    const auto observance = [](const std::string& name, const std::string& greeting, unsigned days) {
        if (days == 0) return "\"" + greeting + name + "\"";
        return "\"" + name + "\" in " + std::to_string(days) + (days == 1 ? " day" : " days");
    };
    if (m == 4 && d >= 9 && d <= 14) return observance("Vaisakhi", "Happy ", 14 - d);
    if (m == 11 && d >= 21 && d <= 26) return observance("Parkash Purab - Guru Nanak Sahib", "", 26 - d);
    if (m == 3 && d == 14) return "Happy New Year, \"Nanakshahi " + std::to_string(n.year) + "\"";
    if (m == 3 && d >= 4 && d <= 13) {
        const unsigned left = 14 - d;
        return "New Year in " + std::to_string(left) + (left == 1 ? " Day" : " Days") + ", \"Nanakshahi " +
               std::to_string(n.year + 1) + "\"";
    }
    return "";
}

inline bool ObservanceDay(std::chrono::year_month_day g) {
    return (g.month() == std::chrono::April && g.day() == std::chrono::day{14}) ||
           (g.month() == std::chrono::November && g.day() == std::chrono::day{26});
}

}  // namespace tarnvel::test
