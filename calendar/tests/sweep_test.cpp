#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "calendar/nanakshahi_date.h"

namespace tarnvel {
namespace {

// Every day from 1469-03-14 to 9999-12-31: its Nanakshahi day is the one after the day before's
// (so every month has its length, Phagan its leap day and the year turns on 1 Chet), it gives
// the Gregorian day back, and the day count and the weekday run on with it.
TEST(Sweep, EveryDayOfTheCalendar) {
    CivilDate g = NanakshahiEpoch;
    NanakshahiFields stepped{1, 1, 1};
    std::int64_t serial = days_from_civil(g);
    int day_of_week = weekday(g), failures = 0;
    for (; g.year <= 9999 && failures < 10; g = next_day(g), stepped = next_nanakshahi_day(stepped), ++serial) {
        const NanakshahiFields f = nanakshahi_fields(g);
        if (f != stepped || gregorian_date(f.year, f.month, f.day) != g || days_from_civil(g) != serial ||
            civil_from_days(serial) != g || weekday(g) != day_of_week) {
            ++failures;
            ADD_FAILURE() << g.year << '-' << g.month << '-' << g.day << " gives " << f.day << '/' << f.month << '/'
                          << f.year << ", expected " << stepped.day << '/' << stepped.month << '/' << stepped.year;
        }
        day_of_week = (day_of_week + 1) % 7;
    }
    EXPECT_EQ(failures, 0);
    // No Nanakshahi day is accepted beyond those: as many as there are Gregorian days.
    std::int64_t accepted = 0;
    for (int year = 1; year <= 8531; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 32; ++day) accepted += gregorian_date(year, month, day).has_value();
    EXPECT_EQ(accepted, serial - days_from_civil(NanakshahiEpoch));
}

// Days outside the months and outside the Gregorian years 1..9999; before the calendar's first
// year there are still Gregorian days.
TEST(Reverse, TheEdges) {
    const struct {
        int year, month, day;
        std::optional<CivilDate> gregorian;
    } cases[] = {
        {558, 12, 31, std::nullopt}, {559, 12, 31, CivilDate{2028, 3, 13}}, {558, 6, 0, std::nullopt},
        {558, 0, 1, std::nullopt},   {558, 13, 1, std::nullopt},            {0, 12, 30, CivilDate{1469, 3, 13}},
        {-1467, 1, 1, CivilDate{1, 3, 14}}, {-1468, 10, 19, CivilDate{1, 1, 1}}, {-1468, 10, 18, std::nullopt},
        {8531, 10, 19, std::nullopt}, {8531, 11, 1, std::nullopt}, {INT_MAX, 1, 1, std::nullopt},
        {INT_MIN, 1, 1, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gregorian_date(c.year, c.month, c.day), c.gregorian) << c.day << '/' << c.month << '/' << c.year;
}

static_assert(gregorian_date(559, 1, 1) == CivilDate{2027, 3, 14});

}  // namespace
}  // namespace tarnvel
