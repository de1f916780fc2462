#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/upcoming.h"

namespace tarnvel::cli {
namespace {

constexpr std::string_view Vaisakhi = "Vaisakhi";
constexpr std::string_view Purab = "Parkash Purab - Guru Nanak Sahib";

struct Expected {
    CivilDate date;
    std::string_view name;
    std::int64_t days;
};

struct UpcomingCase {
    CivilDate today;
    int count;
    std::vector<Expected> events;
};

TEST(Upcoming, NextEventsFromToday) {
    const UpcomingCase cases[] = {
        {{2026, 3, 13}, 4,
         {{{2026, 3, 14}, "New Year, 1 Chet, Sammat 558 Nanakshahi", 1},
          {{2026, 4, 14}, Vaisakhi, 32},
          {{2026, 11, 26}, Purab, 258},
          {{2027, 3, 14}, "New Year, 1 Chet, Sammat 559 Nanakshahi", 366}}},
        {{2026, 3, 14}, 2,
         {{{2026, 3, 14}, "New Year, 1 Chet, Sammat 558 Nanakshahi", 0}, {{2026, 4, 14}, Vaisakhi, 31}}},
        {{2026, 3, 15}, 1, {{{2026, 4, 14}, Vaisakhi, 30}}},
        {{2026, 4, 14}, 2, {{{2026, 4, 14}, Vaisakhi, 0}, {{2026, 11, 26}, Purab, 226}}},
        {{2026, 4, 15}, 1, {{{2026, 11, 26}, Purab, 225}}},
        {{2026, 11, 26}, 2, {{{2026, 11, 26}, Purab, 0}, {{2027, 3, 14}, "New Year, 1 Chet, Sammat 559 Nanakshahi", 108}}},
        {{2026, 11, 27}, 1, {{{2027, 3, 14}, "New Year, 1 Chet, Sammat 559 Nanakshahi", 107}}},
        {{2026, 12, 31}, 1, {{{2027, 3, 14}, "New Year, 1 Chet, Sammat 559 Nanakshahi", 73}}},
        // Across 29 February.
        {{2028, 2, 28}, 1, {{{2028, 3, 14}, "New Year, 1 Chet, Sammat 560 Nanakshahi", 15}}},
        // The calendar ends before the list is full.
        {{9999, 4, 15}, 5, {{{9999, 11, 26}, Purab, 225}}},
        {{9999, 11, 27}, 5, {}},
    };
    for (const UpcomingCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.today.year) + "-" + std::to_string(c.today.month) + "-" +
                     std::to_string(c.today.day));
        const std::vector<UpcomingEvent> got = upcoming_events(c.today, c.count);
        ASSERT_EQ(got.size(), c.events.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].date, c.events[i].date) << i;
            EXPECT_EQ(got[i].name, c.events[i].name) << i;
            EXPECT_EQ(got[i].days, c.events[i].days) << i;
        }
    }
}

TEST(Upcoming, ALongListStaysInDateOrder) {
    const std::vector<UpcomingEvent> got = upcoming_events({2026, 12, 5}, 300);
    ASSERT_EQ(got.size(), 300u);
    for (std::size_t i = 1; i < got.size(); ++i) {
        EXPECT_LT(got[i - 1].days, got[i].days) << i;
        EXPECT_EQ(got[i].days - got[i - 1].days, days_from_civil(got[i].date) - days_from_civil(got[i - 1].date));
    }
    EXPECT_EQ(got.back().date, (CivilDate{2126, 11, 26}));
}

TEST(Upcoming, FormatsAlignedColumns) {
    const std::vector<UpcomingEvent> events{
        {{2026, 4, 14}, "Vaisakhi", 0, &Observances[0]},
        {{2026, 4, 15}, "Tomorrow's", 1, nullptr},
        {{2026, 11, 26}, "Parkash Purab - Guru Nanak Sahib", 226, &Observances[1]},
    };
    EXPECT_EQ(format_upcoming(events),
              "2026-04-14 Tue     today  Vaisakhi\n"
              "2026-04-15 Wed     1 day  Tomorrow's\n"
              "2026-11-26 Thu  226 days  Parkash Purab - Guru Nanak Sahib\n");
    EXPECT_EQ(format_upcoming({}), "");
}

}  // namespace
}  // namespace tarnvel::cli
