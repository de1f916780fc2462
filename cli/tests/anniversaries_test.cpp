#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <tuple>

#include "calendar/nanakshahi_date.h"
#include "cli/anniversaries.h"

namespace tarnvel::cli {
namespace {

// The Gregorian days the table gives are the days the program's calendar gives for its
// Nanakshahi days, in a common (2027) and a leap (2028) year.
TEST(Anniversaries, TheTableAgreesWithTheCalendar) {
    const auto table = anniversaries();
    ASSERT_EQ(table.size(), 102u);
    for (const Anniversary& a : table) {
        SCOPED_TRACE(a.english);
        for (const auto& [year, month, day] : {std::tuple{2027, a.common_month, a.common_day},
                                               std::tuple{2028, a.leap_month, a.leap_day}}) {
            const NanakshahiFields f = nanakshahi_fields(year, month, day);
            EXPECT_EQ(f.month, a.month) << year;
            EXPECT_EQ(f.day, a.day) << year;
        }
        EXPECT_FALSE(a.gurmukhi.empty());
        EXPECT_TRUE(a.kind == "calendar" || a.kind == "gurpurab" || a.kind == "historical" || a.kind == "bhagat");
    }
}

std::string slurp(const char* path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The copy in cli/data is the table of the history pages, beside the repository.
TEST(Anniversaries, TheCopyIsTheSharedTable) {
    const std::string shared = slurp(TARNVEL_SHARED_EVENTS);
    if (shared.empty()) GTEST_SKIP() << "no " << TARNVEL_SHARED_EVENTS;
    EXPECT_TRUE(shared == slurp(TARNVEL_CLI_EVENTS)) << "cli/data/events.csv differs from " << TARNVEL_SHARED_EVENTS;
}

}  // namespace
}  // namespace tarnvel::cli
