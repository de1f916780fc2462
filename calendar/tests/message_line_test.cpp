// The strip's message line: the New Year greeting and the observance countdown.
#include <gtest/gtest.h>

#include <optional>

#include "calendar/event_finder.h"
#include "calendar/new_year.h"

namespace tarnvel {
namespace {

// The line as the calls leave it; what was never written stays unset.
struct Line : Label6Sink {
    std::optional<bool> visible;
    std::optional<std::uint32_t> colour;
    std::string caption = "before";
    void SetVisible(bool v) override { visible = v; }
    void SetForeColor(std::uint32_t c) override { colour = c; }
    void SetCaption(std::string_view c) override { caption = c; }
    bool untouched() const { return !visible && !colour && caption == "before"; }
    bool shows(std::string_view c) const { return visible == true && colour == ColourSaffron && caption == c; }
};

// Through the Gregorian date, so both lengths of Phagan are covered; nullptr: the line hidden,
// its caption left as it was.
TEST(NewYear, CaptionsAroundTheNewYear) {
    const struct {
        CivilDate g;
        const char* caption;
    } cases[] = {
        {{2027, 3, 3}, ""},  {{2027, 3, 4}, "New Year in 10 Days, \"Nanakshahi 559\""},
        {{2027, 3, 13}, "New Year in 1 Day, \"Nanakshahi 559\""}, {{2027, 3, 14}, "Happy New Year, \"Nanakshahi 559\""},
        {{2027, 3, 15}, ""}, {{2027, 4, 13}, ""}, {{2027, 4, 14}, nullptr}, {{2027, 2, 12}, ""},
        {{2027, 1, 20}, nullptr}, {{2028, 3, 3}, ""}, {{2028, 3, 4}, "New Year in 10 Days, \"Nanakshahi 560\""},
        {{2028, 3, 12}, "New Year in 2 Days, \"Nanakshahi 560\""}, {{2028, 3, 13}, "New Year in 1 Day, \"Nanakshahi 560\""},
        {{2000, 3, 13}, "New Year in 1 Day, \"Nanakshahi 532\""}, {{1900, 3, 4}, "New Year in 10 Days, \"Nanakshahi 432\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.g.year << '-' << c.g.month << '-' << c.g.day);
        Line line;
        Check_NewYear_Nanakshahi(convert_date(c.g.year, c.g.month, c.g.day), line);
        if (c.caption) {
            EXPECT_TRUE(line.shows(c.caption)) << line.caption;
        } else {
            EXPECT_EQ(line.visible, false);
            EXPECT_EQ(line.caption, "before");
        }
    }
}

struct Search {
    EventSearchState state;
    Line line;
    void run(int year, DayNumber day, DayNumber month, std::span<const Observance> table = Observances) {
        find_upcoming_event(state, line, year, day, month, table);
    }
};

// Searched again without clearing EventFound: the day after the observance takes the countdown
// off and claims no observance today; weeks later, in a month without one, the line is left alone.
TEST(Countdown, AFoundObservanceLeftFound) {
    Search s;
    s.run(2026, 14, 4);
    EXPECT_EQ(s.state.EventName + "|" + s.state.EventGreeting, "Vaisakhi|Happy ");
    s.line = {};
    s.run(2026, 15, 4);
    EXPECT_EQ(s.line.visible, false);
    EXPECT_EQ(s.line.caption, "____");
    EXPECT_EQ(s.state.EventName + "|" + s.state.EventGreeting, "|");
    EXPECT_EQ(s.state.DaysToEvent, -1);
    EXPECT_TRUE(s.state.EventFound);
    Search later;
    later.run(2026, 26, 11);
    later.line = {};
    later.run(2026, 20, 12);
    EXPECT_TRUE(later.line.untouched());
    EXPECT_EQ(later.state.DaysToEvent, 0) << "the last difference computed, kept outside observance months";
}

// An observance on the first of the month makes each step into the next month visible.
constexpr Observance kFirsts[] = {{1, 1, "Jan", ""}, {2, 1, "Feb", ""}, {3, 1, "Mar", ""}};

TEST(Countdown, StepsIntoTheNextMonthFromItsFifthLastDay) {
    const struct {
        int year, month, day;
        const char* caption;  // nullptr: nothing shown
    } cases[] = {
        {2026, 1, 26, nullptr},           {2026, 1, 27, "\"Feb\" in 5 days"}, {2026, 2, 24, "\"Mar\" in 5 days"},
        {2028, 2, 24, nullptr},           {2028, 2, 29, "\"Mar\" in 1 day"},  {2000, 2, 24, nullptr},
        {2100, 2, 24, "\"Mar\" in 5 days"}, {2026, 12, 31, "\"Jan\" in 1 day"},
    };
    for (const auto& c : cases) {
        Search s;
        s.run(c.year, c.day, c.month, kFirsts);
        EXPECT_TRUE(c.caption ? s.line.shows(c.caption) : s.line.untouched())
            << c.year << '-' << c.month << '-' << c.day << ": " << s.line.caption;
    }
}

TEST(Countdown, DayAndMonthTextsAndBadArguments) {
    Search digits;
    digits.run(2026, "+09", " 04");
    EXPECT_TRUE(digits.line.shows("\"Vaisakhi\" in 5 days"));
    Search month;  // no such month: nothing happens
    month.run(2026, 14, 13);
    month.run(2026, 14, "x");
    EXPECT_TRUE(month.line.untouched());
    for (const DayNumber day : {DayNumber("fourteen"), DayNumber(1LL << 40)}) {  // not a day; beyond 16 bits
        Search s;
        s.run(2026, day, 4);
        EXPECT_EQ(s.line.visible, false);
        EXPECT_EQ(s.line.caption, "____");
        EXPECT_EQ(s.state.DaysToEvent, -1);
    }
}

}  // namespace
}  // namespace tarnvel
