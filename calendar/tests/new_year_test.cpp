#include <gtest/gtest.h>

#include "calendar/new_year.h"
#include "calendar/tests/recording_label.h"

namespace tarnvel {
namespace {

using test::RecordingLabel;

// Through the Gregorian date, so leap and common years are both covered.
TEST(NewYear, CaptionsAroundTheNewYear) {
    struct Case {
        CivilDate g;
        bool visible;
        const char* caption;  // for a hidden line: the caption left in place
    } const cases[] = {
        {{2027, 3, 3}, true, ""},  // 20 Phagan
        {{2027, 3, 4}, true, "New Year in 10 Days, \"Nanakshahi 559\""},
        {{2027, 3, 12}, true, "New Year in 2 Days, \"Nanakshahi 559\""},
        {{2027, 3, 13}, true, "New Year in 1 Day, \"Nanakshahi 559\""},
        {{2027, 3, 14}, true, "Happy New Year, \"Nanakshahi 559\""},
        {{2027, 3, 15}, true, ""},
        {{2027, 4, 13}, true, ""},  // 31 Chet
        {{2027, 4, 14}, false, "before"},
        {{2027, 2, 12}, true, ""},  // 1 Phagan
        {{2027, 1, 20}, false, "before"},
        {{2026, 12, 5}, false, "before"},
        // A 31-day Phagan: still ten days, 4 to 13 March, and the eve is "1 Day".
        {{2028, 3, 3}, true, ""},
        {{2028, 3, 4}, true, "New Year in 10 Days, \"Nanakshahi 560\""},
        {{2028, 3, 13}, true, "New Year in 1 Day, \"Nanakshahi 560\""},
        {{2028, 3, 14}, true, "Happy New Year, \"Nanakshahi 560\""},
        {{2000, 3, 13}, true, "New Year in 1 Day, \"Nanakshahi 532\""},
        {{1900, 3, 13}, true, "New Year in 1 Day, \"Nanakshahi 432\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.g.year << '-' << c.g.month << '-' << c.g.day);
        RecordingLabel label;
        label.caption = "before";
        Check_NewYear_Nanakshahi(convert_date(c.g.year, c.g.month, c.g.day), label);
        EXPECT_EQ(label.visible, c.visible);
        EXPECT_EQ(label.caption, c.caption);
        if (c.visible) {
            EXPECT_EQ(label.colour, ColourSaffron);
            EXPECT_EQ(label.writes, (std::vector<std::string>{"visible", "colour", "caption"}));
        } else {
            EXPECT_EQ(label.writes, std::vector<std::string>{"hidden"});
        }
    }
}

// In every year from 1470 to 2600 the countdown shows on exactly 4 to 13 March.
TEST(NewYear, CountdownIsAlwaysTheTenDaysBefore14March) {
    for (int y = 1470; y <= 2600; ++y) {
        for (int d = 1; d <= 13; ++d) {
            const NanakshahiFields f = nanakshahi_fields(y, 3, d);
            const NewYearGreeting g = new_year_greeting(f.month, f.day, f.year);
            const bool counting = g.caption.starts_with("New Year in ");
            ASSERT_EQ(counting, d >= 4) << y << "-03-" << d;
            if (counting) {
                const std::string n = std::to_string(14 - d);
                ASSERT_TRUE(g.caption.starts_with("New Year in " + n + (d == 13 ? " Day," : " Days,")))
                    << g.caption;
            }
        }
    }
}

}  // namespace
}  // namespace tarnvel
