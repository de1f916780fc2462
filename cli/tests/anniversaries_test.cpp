#include <gtest/gtest.h>

#include "calendar/nanakshahi_date.h"
#include "cli/anniversaries.h"
#include "process.h"

namespace tarnvel::cli {
namespace {

// The Gregorian days the table gives are the calendar's for its Nanakshahi days, in a common
// (2027) and a leap (2028) year.
TEST(Anniversaries, TheTableAgreesWithTheCalendar) {
    ASSERT_EQ(anniversaries().size(), 102u);
    for (const Anniversary& a : anniversaries()) {
        for (const NanakshahiFields f : {nanakshahi_fields(2027, a.common_month, a.common_day),
                                         nanakshahi_fields(2028, a.leap_month, a.leap_day)})
            EXPECT_EQ((std::pair{f.day, f.month}), (std::pair{a.day, a.month})) << a.english;
        EXPECT_TRUE(a.kind == "calendar" || a.kind == "gurpurab" || a.kind == "historical" || a.kind == "bhagat");
    }
}

// The copy in cli/data is the table of the history pages, beside the repository.
TEST(Anniversaries, TheCopyIsTheSharedTable) {
    const std::string shared = test::ReadFile(TARNVEL_SHARED_EVENTS);
    if (shared.empty()) GTEST_SKIP() << "no " << TARNVEL_SHARED_EVENTS;
    EXPECT_TRUE(shared == test::ReadFile(TARNVEL_CLI_EVENTS)) << "cli/data/events.csv differs from " << TARNVEL_SHARED_EVENTS;
}

}  // namespace
}  // namespace tarnvel::cli
