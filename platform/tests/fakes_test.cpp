// The date forms read from a clock, on the fake one; the other fakes are checked by the
// tests that use them.
#include <gtest/gtest.h>

#include "platform/fake/fakes.h"

namespace tarnvel::platform::fake {
namespace {

TEST(FakeWorld, ClockAnswersTheSetDateAndFormatsIt) {
    FakeClock c;
    c.today = {2027, 3, 4};
    EXPECT_EQ(FormatDate(c.Today(), DateForm::DayMonthNameYear, c), "04 March 2027");
    EXPECT_EQ(FormatDate(c.Today(), DateForm::DayMonthYear, c), "04 03 2027");
    EXPECT_EQ(FormatDate(c.Today(), DateForm::DayMonthYearDash, c), "04-03-2027");
    EXPECT_EQ(c.reads, 3);
    c.month_names[2] = "Mars";
    EXPECT_EQ(FormatDate({999, 3, 14}, DateForm::DayMonthNameYear, c), "14 Mars 0999");
    EXPECT_EQ(c.LongMonthName(0), "");
    EXPECT_EQ(c.LongMonthName(13), "");
}

}  // namespace
}  // namespace tarnvel::platform::fake
