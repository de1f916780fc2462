#include <gtest/gtest.h>

#include "calendar/event_finder.h"
#include "calendar/nanakshahi_date.h"
#include "calendar/tests/recording_label.h"

namespace tarnvel {
namespace {

using test::RecordingLabel;

constexpr const char* kParkash = "Parkash Purab - Guru Nanak Sahib";

struct Search {
    EventSearchState state;
    RecordingLabel label;
    void run(int year, DayNumber day, DayNumber month) { find_upcoming_event(state, label, year, day, month); }
};

// A fresh search (EventFound clear) on each date: what the line shows and what is remembered.
TEST(EventFinder, FreshSearches) {
    struct Case {
        int month, day;
        bool shows;
        const char* caption;
        int days_to_event;
    } const cases[] = {
        {4, 8, false, "New Year", 6},
        {4, 9, true, "\"Vaisakhi\" in 5 days", 5},
        {4, 11, true, "\"Vaisakhi\" in 3 days", 3},
        {4, 13, true, "\"Vaisakhi\" in 1 day", 1},
        {4, 14, true, "\"Happy Vaisakhi\"", 0},
        {4, 15, false, "New Year", -1},
        {11, 21, true, "\"Parkash Purab - Guru Nanak Sahib\" in 5 days", 5},
        {11, 25, true, "\"Parkash Purab - Guru Nanak Sahib\" in 1 day", 1},
        {11, 26, true, "\"Parkash Purab - Guru Nanak Sahib\"", 0},
        {3, 31, false, "New Year", 14},  // steps into April with day 0
        {12, 31, false, "New Year", -1},  // steps into January, which has no observance
        {6, 10, false, "New Year", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.month << '/' << c.day);
        Search s;
        s.run(2026, c.day, c.month);
        EXPECT_EQ(s.label.visible, c.shows);
        EXPECT_EQ(s.label.caption, c.caption);
        EXPECT_EQ(s.state.DaysToEvent, c.days_to_event);
        EXPECT_EQ(s.state.EventFound, c.shows);
        if (c.shows) {
            EXPECT_EQ(s.label.colour, ColourSaffron);
            EXPECT_EQ(s.label.writes, (std::vector<std::string>{"visible", "colour", "caption"}));
        } else {
            EXPECT_TRUE(s.label.writes.empty());
        }
    }
}

TEST(EventFinder, FoundObservanceIsRemembered) {
    Search s;
    s.run(2026, 26, 11);
    EXPECT_EQ(s.state.EventName, kParkash);
    EXPECT_EQ(s.state.EventGreeting, "");
    EXPECT_EQ(s.state.EventDay, 26);
    s.run(2026, 14, 4);
    EXPECT_EQ(s.state.EventName, "Vaisakhi");
    EXPECT_EQ(s.state.EventGreeting, "Happy ");
}

// The day after an observance, searched without clearing EventFound: the
// countdown comes off, and nothing claims that an observance is today.
TEST(EventFinder, StaleFoundFlagTakesTheCountdownOff) {
    Search s;
    s.run(2026, 14, 4);
    ASSERT_TRUE(s.state.EventFound);
    s.label.writes.clear();
    s.run(2026, 15, 4);
    EXPECT_FALSE(s.label.visible);
    EXPECT_EQ(s.label.caption, "____");
    EXPECT_EQ(s.state.EventName, "");
    EXPECT_EQ(s.state.EventGreeting, "");
    EXPECT_EQ(s.state.DaysToEvent, -1);
    EXPECT_TRUE(s.state.EventFound);  // cleared only before a fresh search
    EXPECT_EQ(s.label.writes, (std::vector<std::string>{"hidden", "caption"}));
}

// A calendar hidden across the observance and shown again weeks later.
TEST(EventFinder, StaleFlagInAMonthWithoutObservanceLeavesTheLineAlone) {
    Search s;
    s.run(2026, 26, 11);
    s.label.writes.clear();
    s.run(2026, 20, 12);
    EXPECT_TRUE(s.label.writes.empty());
    EXPECT_EQ(s.state.DaysToEvent, 0) << "last computed difference, untouched outside observance months";
}

// A table with an observance on the first of every month makes each step visible.
constexpr Observance kFirstOfEveryMonth[] = {
    {1, 1, "Jan", ""}, {2, 1, "Feb", ""},  {3, 1, "Mar", ""},  {4, 1, "Apr", ""},
    {5, 1, "May", ""}, {6, 1, "Jun", ""},  {7, 1, "Jul", ""},  {8, 1, "Aug", ""},
    {9, 1, "Sep", ""}, {10, 1, "Oct", ""}, {11, 1, "Nov", ""}, {12, 1, "Dec", ""},
};

TEST(EventFinder, StepsIntoTheNextMonthFromItsFifthLastDay) {
    struct Case {
        int year, month, day;
        const char* caption;  // nullptr: nothing shown
    } const cases[] = {
        {2026, 1, 26, nullptr},           {2026, 1, 27, "\"Feb\" in 5 days"}, {2026, 1, 31, "\"Feb\" in 1 day"},
        {2026, 2, 23, nullptr},           {2026, 2, 24, "\"Mar\" in 5 days"}, {2026, 2, 28, "\"Mar\" in 1 day"},
        {2028, 2, 24, nullptr},           {2028, 2, 25, "\"Mar\" in 5 days"}, {2028, 2, 29, "\"Mar\" in 1 day"},
        {2000, 2, 24, nullptr},           {2100, 2, 24, "\"Mar\" in 5 days"}, {1900, 2, 28, "\"Mar\" in 1 day"},
        {2026, 4, 25, nullptr},           {2026, 4, 26, "\"May\" in 5 days"}, {2026, 12, 31, "\"Jan\" in 1 day"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        Search s;
        find_upcoming_event(s.state, s.label, c.year, c.day, c.month, kFirstOfEveryMonth);
        EXPECT_EQ(s.label.visible, c.caption != nullptr);
        if (c.caption) {
            EXPECT_EQ(s.label.caption, c.caption);
        }
    }
}

TEST(EventFinder, EndOfMarchReachesIntoAprilWithDayZeroOrLess) {
    for (int day = 25; day <= 31; ++day) {
        Search s;
        s.run(2026, day, 3);
        EXPECT_FALSE(s.label.visible) << day;
        EXPECT_EQ(s.state.DaysToEvent, day >= 27 ? 14 - (day - 31) : -1) << day;
    }
}

TEST(EventFinder, DigitTextsReadAsNumbers) {
    Search a, b;
    a.run(2026, 9, 4);
    b.run(2026, "09", "04");
    EXPECT_EQ(a.label.caption, b.label.caption);
    EXPECT_EQ(b.label.caption, "\"Vaisakhi\" in 5 days");
    EXPECT_EQ(b.state.DaysToEvent, 5);
}

TEST(EventFinder, BadArguments) {
    Search s;
    s.run(2026, 14, 13);  // no such month: nothing happens
    s.run(2026, 14, "x");
    EXPECT_TRUE(s.label.writes.empty());
    EXPECT_EQ(s.state.DaysToEvent, -1);
    s.run(2026, "fourteen", 4);  // a day that is not a number: the failure path
    EXPECT_EQ(s.label.caption, "____");
    EXPECT_FALSE(s.label.visible);
    EXPECT_EQ(s.state.DaysToEvent, -1);
    Search big;
    big.run(2026, 1LL << 40, 4);  // difference beyond 16 bits
    EXPECT_EQ(big.label.caption, "____");
}

TEST(EventFinder, ProgramWideSearchUsesTheRecordYear) {
    Calculate_NanakshahiDate([] { return CivilDate{2028, 2, 25}; });
    ModuleEventFinder = {};
    RecordingLabel label;
    Find_UpcomingEvent(ModuleNanakshahiDate.GregorianDay, ModuleNanakshahiDate.GregorianMonth, label);
    EXPECT_EQ(ModuleEventFinder.DaysToEvent, -1);
    EXPECT_TRUE(label.writes.empty());
}

}  // namespace
}  // namespace tarnvel
