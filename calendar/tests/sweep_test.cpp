#include <gtest/gtest.h>

#include "calendar/nanakshahi_date.h"

namespace tarnvel {
namespace {

// Walks every day from the first Nanakshahi New Year to the end of 2600 and checks
// what must hold between consecutive days, whatever the table says of single dates.
TEST(Sweep, ConsecutiveDaysFrom1469To2600) {
    CivilDate g = NanakshahiEpoch;
    NanakshahiFields prev = nanakshahi_fields(g);
    ASSERT_EQ(prev, (NanakshahiFields{1, 1, 1}));
    int run = 1;  // days seen so far in prev's month
    std::int64_t serial = days_from_civil(g);
    int failures = 0;
    for (g = next_day(g); g.year <= 2600 && failures < 10; g = next_day(g)) {
        ++serial;
        const NanakshahiFields f = nanakshahi_fields(g);
        const bool ok_day = f.day >= 1 && f.day <= 31 && f.month >= 1 && f.month <= 12;
        bool ok_step;
        if (f.month == prev.month) {
            ok_step = f.day == prev.day + 1 && f.year == prev.year;
            ++run;
        } else {
            const int expected_next = prev.month == 12 ? 1 : prev.month + 1;
            const int expected_year = prev.month == 12 ? prev.year + 1 : prev.year;
            ok_step = f.month == expected_next && f.day == 1 && f.year == expected_year &&
                      prev.day == month_length(prev.year, prev.month) &&
                      run == prev.day;
            run = 1;
        }
        const bool new_year_on_14_march = (g.month == 3 && g.day == 14) == (f.month == 1 && f.day == 1);
        const bool ok_inverse = gregorian_of(f.year, f.month, f.day) == g && days_from_civil(g) == serial &&
                                civil_from_days(serial) == g;
        if (!(ok_day && ok_step && new_year_on_14_march && ok_inverse)) {
            ++failures;
            ADD_FAILURE() << g.year << '-' << g.month << '-' << g.day << " gives " << f.day << '/' << f.month << '/'
                          << f.year << " after " << prev.day << '/' << prev.month << '/' << prev.year;
        }
        prev = f;
    }
    EXPECT_EQ(failures, 0);
}

TEST(Sweep, PhaganHas31DaysExactlyInGregorianLeapYears) {
    struct {
        int gregorian_year;
        int phagan_days;
    } const cases[] = {{1900, 30}, {1996, 31}, {2000, 31}, {2026, 30}, {2028, 31}, {2100, 30}, {2400, 31}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gregorian_year);
        const NanakshahiFields eve = nanakshahi_fields(c.gregorian_year, 3, 13);
        EXPECT_EQ(eve.month, 12);
        EXPECT_EQ(eve.day, c.phagan_days);
        EXPECT_EQ(month_length(eve.year, 12), c.phagan_days);
    }
}

TEST(Sweep, CivilHelpers) {
    EXPECT_EQ(weekday({1970, 1, 1}), 4);  // Thursday
    EXPECT_EQ(weekday({2026, 12, 6}), 0);  // Sunday
    EXPECT_EQ(weekday({1469, 3, 14}), weekday(civil_from_days(days_from_civil({1469, 3, 14}) + 7)));
    EXPECT_FALSE(is_valid({2026, 2, 29}));
    EXPECT_TRUE(is_valid({2000, 2, 29}));
    EXPECT_FALSE(is_valid({1900, 2, 29}));
    EXPECT_FALSE(is_valid({2026, 4, 31}));
    EXPECT_FALSE(is_valid({2026, 13, 1}));
    EXPECT_EQ(next_day({9999, 12, 31}), (CivilDate{10000, 1, 1}));
}

}  // namespace
}  // namespace tarnvel
