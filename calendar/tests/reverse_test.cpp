#include <gtest/gtest.h>

#include <optional>

#include "calendar/nanakshahi_date.h"

namespace tarnvel {
namespace {

struct ReverseCase {
    int year, month, day;
    std::optional<CivilDate> gregorian;
};

TEST(Reverse, DaysThatExistAndDaysThatDoNot) {
    const ReverseCase cases[] = {
        {559, 2, 1, CivilDate{2027, 4, 14}},
        {558, 9, 22, CivilDate{2026, 12, 5}},
        {558, 10, 19, CivilDate{2027, 1, 1}},   // Poh crosses the Gregorian new year
        {559, 12, 31, CivilDate{2028, 3, 13}},  // Phagan ending in a leap year
        {559, 12, 18, CivilDate{2028, 2, 29}},
        {558, 12, 31, std::nullopt},            // ... and in a common year
        {631, 12, 31, std::nullopt},            // 2100 is a common year
        {531, 12, 31, CivilDate{2000, 3, 13}},  // 2000 is a leap year
        {558, 1, 31, CivilDate{2026, 4, 13}},
        {558, 1, 32, std::nullopt},
        {558, 6, 31, std::nullopt},  // Bhadon has 30 days
        {558, 6, 0, std::nullopt},
        {558, 0, 1, std::nullopt},
        {558, 13, 1, std::nullopt},
        {1, 1, 1, CivilDate{1469, 3, 14}},
        {0, 12, 30, CivilDate{1469, 3, 13}},  // before the calendar, but a Gregorian day
        {-1467, 1, 1, CivilDate{1, 3, 14}},
        {-1468, 10, 19, CivilDate{1, 1, 1}},
        {-1468, 10, 18, std::nullopt},  // 31 December of the year 0
        {8531, 10, 18, CivilDate{9999, 12, 31}},
        {8531, 10, 19, std::nullopt},  // 10000-01-01
        {8531, 11, 1, std::nullopt},
        {2147483647, 1, 1, std::nullopt},
        {-2147483647 - 1, 1, 1, std::nullopt},
    };
    for (const ReverseCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "/" + std::to_string(c.month) + "/" + std::to_string(c.year));
        EXPECT_EQ(gregorian_date(c.year, c.month, c.day), c.gregorian);
    }
}

// Every Gregorian day 1469-03-14 to 9999-12-31 comes back from its Nanakshahi date and is the
// Nanakshahi day after the one before; every Nanakshahi day number that gives a date gives the
// one that converts back to it.
TEST(Reverse, AgreesWithTheForwardConversionEverywhere) {
    int failures = 0;
    NanakshahiFields stepped = nanakshahi_fields(NanakshahiEpoch);
    for (CivilDate g = NanakshahiEpoch; g.year <= 9999 && failures < 10; g = next_day(g), stepped = next_nanakshahi_day(stepped)) {
        const NanakshahiFields f = nanakshahi_fields(g);
        if (gregorian_date(f.year, f.month, f.day) != g || stepped != f) {
            ++failures;
            ADD_FAILURE() << g.year << '-' << g.month << '-' << g.day;
        }
    }
    std::int64_t days = 0;
    for (int year = 1; year <= 8531 && failures < 10; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 32; ++day) {
                const auto g = gregorian_date(year, month, day);
                if (!g) continue;
                ++days;
                if (nanakshahi_fields(*g) != NanakshahiFields{day, month, year}) {
                    ++failures;
                    ADD_FAILURE() << day << '/' << month << '/' << year;
                }
            }
        }
    }
    EXPECT_EQ(days, days_from_civil({9999, 12, 31}) - days_from_civil(NanakshahiEpoch) + 1);
    EXPECT_EQ(failures, 0);
}

static_assert(gregorian_date(559, 1, 1) == CivilDate{2027, 3, 14});
static_assert(!gregorian_date(558, 12, 31));

}  // namespace
}  // namespace tarnvel
