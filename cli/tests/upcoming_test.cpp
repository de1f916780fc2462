#include <gtest/gtest.h>

#include "cli/upcoming.h"

namespace tarnvel::cli {
namespace {

std::string new_year(int sammat) { return "New Year, 1 Chet, Sammat " + std::to_string(sammat) + " Nanakshahi"; }

// The day before, of and after each event, and the end of the calendar before the list is full.
TEST(Upcoming, NextEventsFromToday) {
    const std::string vaisakhi = "Vaisakhi", purab = "Parkash Purab - Guru Nanak Sahib";
    struct Expected {
        CivilDate date;
        std::string name;
        std::int64_t days;
    };
    const struct {
        CivilDate today;
        std::vector<Expected> events;
    } cases[] = {
        {{2026, 3, 13}, {{{2026, 3, 14}, new_year(558), 1}, {{2026, 4, 14}, vaisakhi, 32}, {{2026, 11, 26}, purab, 258},
                         {{2027, 3, 14}, new_year(559), 366}}},
        {{2026, 3, 14}, {{{2026, 3, 14}, new_year(558), 0}, {{2026, 4, 14}, vaisakhi, 31}}},
        {{2026, 3, 15}, {{{2026, 4, 14}, vaisakhi, 30}}},
        {{2026, 4, 14}, {{{2026, 4, 14}, vaisakhi, 0}, {{2026, 11, 26}, purab, 226}}},
        {{2026, 4, 15}, {{{2026, 11, 26}, purab, 225}}},
        {{2026, 11, 26}, {{{2026, 11, 26}, purab, 0}, {{2027, 3, 14}, new_year(559), 108}}},
        {{2026, 11, 27}, {{{2027, 3, 14}, new_year(559), 107}}},
        {{2028, 2, 28}, {{{2028, 3, 14}, new_year(560), 15}}},  // across 29 February
        {{9999, 4, 15}, {{{9999, 11, 26}, purab, 225}}},
        {{9999, 11, 27}, {}},
    };
    for (const auto& c : cases) {
        // In 9999 five are asked for: the calendar ends before the list is full.
        const int count = c.today.year == 9999 ? 5 : static_cast<int>(c.events.size());
        const std::vector<UpcomingEvent> got = upcoming_events(c.today, count);
        ASSERT_EQ(got.size(), c.events.size()) << c.today.year << '-' << c.today.month << '-' << c.today.day;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].date, c.events[i].date) << i;
            EXPECT_EQ(got[i].name, c.events[i].name) << i;
            EXPECT_EQ(got[i].days, c.events[i].days) << i;
        }
    }
    const std::vector<UpcomingEvent> long_list = upcoming_events({2026, 12, 5}, 300);
    ASSERT_EQ(long_list.size(), 300u);
    for (std::size_t i = 1; i < long_list.size(); ++i)
        EXPECT_EQ(long_list[i].days - long_list[i - 1].days,
                  days_from_civil(long_list[i].date) - days_from_civil(long_list[i - 1].date)) << i;
    EXPECT_EQ(long_list.back().date, (CivilDate{2126, 11, 26}));
}

TEST(Upcoming, AlignedColumnsAndNamesInEachScript) {
    const Observance other{5, 1, "Some Day", ""};  // no Gurmukhi name: stays in English
    const std::vector<UpcomingEvent> events{
        {{2026, 4, 14}, "Vaisakhi", 0, &Observances[0]},
        {{2026, 5, 1}, "Some Day", 17, &other},
        {{2026, 11, 26}, "Parkash Purab - Guru Nanak Sahib", 226, &Observances[1]},
    };
    EXPECT_EQ(format_upcoming(events),
              "2026-04-14 Tue     today  Vaisakhi\n"
              "2026-05-01 Fri   17 days  Some Day\n"
              "2026-11-26 Thu  226 days  Parkash Purab - Guru Nanak Sahib\n");
    EXPECT_EQ(format_upcoming(events, Script::Legacy),
              "2026-04-14 Tue     today  vYswKI\n2026-05-01 Fri   17 days  Some Day\n"
              "2026-11-26 Thu  226 days  pRkwS purb - gurU nwnk swihb\n");
    EXPECT_EQ(format_upcoming({{{2026, 4, 15}, "x", 1, &other}}), "2026-04-15 Wed  1 day  x\n");
    EXPECT_EQ(format_upcoming({}), "");
    EXPECT_TRUE(every_observance_has_a_gurmukhi_name());
}

}  // namespace
}  // namespace tarnvel::cli
