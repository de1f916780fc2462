// A Nanakshahi date where a date goes gives its Gregorian date; the words for days near today.

#include <gtest/gtest.h>

#include <sstream>

#include "calendar/nanakshahi_date.h"
#include "cli/dates.h"
#include "run_result.h"

namespace tarnvel::cli {
namespace {

using testing::run_with;

struct LookupCase {
    std::vector<std::string_view> args;
    std::string_view out;
};

TEST(ReverseLookup, FormsOfANanakshahiDate) {
    const LookupCase cases[] = {
        {{"1 Vaisakh 559"}, "2027-04-14\n"},
        {{"1 VAISAKH 559"}, "2027-04-14\n"},
        {{"1", "vaisakh", "559"}, "2027-04-14\n"},
        {{"1 Vaisakh, Sammat 559 Nanakshahi"}, "2027-04-14\n"},  // the date line as printed
        {{"22", "Maghar,", "Sammat", "558", "Nanakshahi"}, "2026-12-05\n"},
        {{"31 Phagan 559"}, "2028-03-13\n"},  // Phagan ending in a leap year
        {{"18 Poh 8531"}, "9999-12-31\n"},
        {{"1 Chet 1"}, "1469-03-14\n"},
        {{"01 Chet 0559"}, "2027-03-14\n"},
        // Without a year: the Nanakshahi year of today (5 December 2026 is in Sammat 558).
        {{"1 Chet"}, "2026-03-14\n"},
        // An argument of several words is a date of its own; single words make one together.
        {{"1 Chet", "1 Vaisakh"}, "2026-03-14\n2026-04-14\n"},
        {{"1 Chet 559", "1", "Vaisakh", "559", "2027-04-14"}, "2027-03-14\n2027-04-14\n1 Vaisakh, Sammat 559 Nanakshahi\n"},
        // Mixed with Gregorian dates and the words, in the order given.
        {{"1 Vaisakh 559", "2027-04-14", "today", "tomorrow", "yesterday"},
         "2027-04-14\n1 Vaisakh, Sammat 559 Nanakshahi\n22 Maghar, Sammat 558 Nanakshahi\n"
         "23 Maghar, Sammat 558 Nanakshahi\n21 Maghar, Sammat 558 Nanakshahi\n"},
        {{"TODAY"}, "22 Maghar, Sammat 558 Nanakshahi\n"},
        {{"--", "1 Chet 559"}, "2027-03-14\n"},
        {{"--gurmukhi", "tomorrow"}, "੨੩ ਮੱਘਰ, ਸੰਮਤ ੫੫੮ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ\n"},
    };
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.args.front());
        const auto r = run_with(c.args);
        EXPECT_EQ(r.status, ExitOk);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST(ReverseLookup, DaysNearTodayCrossYearsAndMonths) {
    EXPECT_EQ(run_with({"tomorrow"}, {2027, 3, 13}).out, "1 Chet, Sammat 559 Nanakshahi\n");
    EXPECT_EQ(run_with({"yesterday"}, {2028, 3, 1}).out, "18 Phagan, Sammat 559 Nanakshahi\n");
    EXPECT_EQ(run_with({"tomorrow"}, {2026, 12, 31}).out, "19 Poh, Sammat 558 Nanakshahi\n");
    EXPECT_EQ(run_with({"--range", "yesterday", "tomorrow"}, {2026, 3, 14}).out,
              "2026-03-13\t30\t12\t557\t30 Phagan, Sammat 557 Nanakshahi\n"
              "2026-03-14\t1\t1\t558\t1 Chet, Sammat 558 Nanakshahi\n"
              "2026-03-15\t2\t1\t558\t2 Chet, Sammat 558 Nanakshahi\n");
    EXPECT_EQ(run_with({"--range", "30 Phagan 557", "1 Chet 558"}).out,
              run_with({"--range", "2026-03-13", "2026-03-14"}).out);
}

// Every day of the calendar through the command itself, a thousand at a time: its Gregorian
// date gives the date line, and the date line given back gives the Gregorian date.
TEST(ReverseLookup, EveryDayForwardAndBack) {
    std::int64_t days = 0;
    int failures = 0;
    for (CivilDate g = FirstDate; in_calendar(g) && failures < 5;) {
        std::vector<CivilDate> dates;
        std::vector<std::string> iso;
        for (; in_calendar(g) && iso.size() < 1000; g = next_day(g)) {
            dates.push_back(g);
            iso.push_back(iso_date(g));
        }
        days += static_cast<std::int64_t>(iso.size());

        const auto forward = run_with(std::vector<std::string_view>(iso.begin(), iso.end()));
        std::vector<std::string> lines;
        std::istringstream in(forward.out);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        if (forward.status != ExitOk || lines.size() != iso.size()) {
            ++failures;
            ADD_FAILURE() << "forward from " << iso.front() << ": " << forward.err;
            continue;
        }
        std::string expected;
        for (std::size_t i = 0; i < iso.size(); ++i) {
            if (lines[i] != english_line(nanakshahi_fields(dates[i]))) {
                ++failures;
                ADD_FAILURE() << iso[i] << " gave " << lines[i];
            }
            expected += iso[i] + '\n';
        }
        const auto back = run_with(std::vector<std::string_view>(lines.begin(), lines.end()));
        if (back.status != ExitOk || back.out != expected) {
            ++failures;
            ADD_FAILURE() << "back from " << lines.front() << ": " << back.err;
        }
    }
    EXPECT_EQ(days, days_from_civil(LastDate) - days_from_civil(FirstDate) + 1);
    EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace tarnvel::cli
