// --range streams: the longest range the command takes needs no more memory than a week.
// Measured on the real process, so not under the sanitizers' allocators.

#include <gtest/gtest.h>

#include "process.h"

namespace tarnvel::cli {
namespace {

using testing::run_program;

TEST(StreamMemory, TheWholeCalendarInTheMemoryOfAWeek) {
    const auto week = run_program({"--range", "2026-03-14", "2026-03-20"}, {}, "/dev/null");
    const auto all = run_program({"--range", "1469-03-14", "9999-12-31"}, {}, "/dev/null");
    ASSERT_EQ(week.status, 0);
    ASSERT_EQ(all.status, 0);
    EXPECT_EQ(all.err, "");
    // Some 150 MB of text go out; anything held per line would show in megabytes.
    EXPECT_LT(all.max_rss_kib, week.max_rss_kib + 1024) << "week " << week.max_rss_kib << " KiB";
}

// The JSON range and the iCalendar export stream the same way.
TEST(StreamMemory, JsonAndIcalendarOfTheWholeCalendar) {
    const auto week = run_program({"--json", "--range", "2026-03-14", "2026-03-20"}, {}, "/dev/null");
    const auto json = run_program({"--json", "--range", "1469-03-14", "9999-12-31"}, {}, "/dev/null");
    const auto ics = run_program({"--ics", "1469-03-14", "9999-12-31", "--anniversaries"}, {}, "/dev/null");
    ASSERT_EQ(week.status, 0);
    ASSERT_EQ(json.status, 0);
    ASSERT_EQ(ics.status, 0);
    EXPECT_LT(json.max_rss_kib, week.max_rss_kib + 1024) << "week " << week.max_rss_kib << " KiB";
    EXPECT_LT(ics.max_rss_kib, week.max_rss_kib + 1024) << "week " << week.max_rss_kib << " KiB";
}

}  // namespace
}  // namespace tarnvel::cli
