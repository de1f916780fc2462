// Every refusal: status 2, the one line on standard error, nothing on standard output.

#include <gtest/gtest.h>

#include "run_result.h"

namespace tarnvel::cli {
namespace {

using testing::run_with;

struct BadCase {
    std::vector<std::string_view> args;
    std::string message;  // the whole line on standard error, after "nanakshahi: "
    CivilDate today = {2026, 12, 5};
};

const std::string NotADate = "not a date (YYYY-MM-DD, today, tomorrow, yesterday or a day such as 1 Vaisakh 559): ";
const std::string NotAMonth = "not a month (MONTH YEAR as cal takes them, a month name and YEAR, or YYYY-MM): ";

TEST(Refusal, EveryKindOfArgument) {
    const BadCase cases[] = {
        // Dates.
        {{"2026-02-30"}, "not a valid date: 2026-02-30"}, {{"2100-02-29"}, "not a valid date: 2100-02-29"},
        {{"2026-13-01"}, "not a valid date: 2026-13-01"}, {{"someday"}, NotADate + "someday"},
        {{"2026-3-14"}, NotADate + "2026-3-14"}, {{"226-03-14"}, NotADate + "226-03-14"}, {{""}, NotADate + "\"\""},
        {{"-"}, NotADate + "-"}, {{"2026-12-05\n"}, NotADate + "2026-12-05\\n"},
        {{"1469-03-13"}, "date before the first day of the calendar (1469-03-14): 1469-03-13"},
        {{"10000-01-01"}, "date after the last day the command handles (9999-12-31): 10000-01-01"},
        // A good date first: all arguments are checked before anything is printed.
        {{"2026-12-05", "2026-02-30"}, "not a valid date: 2026-02-30"},
        // Nanakshahi days.
        {{"32 Chet 558"}, "no such day: 32 Chet 558 (Chet has 31 days)"},
        {{"31", "Bhadon", "558"}, "no such day: 31 Bhadon 558 (Bhadon has 30 days)"},
        {{"0 Chet 558"}, "no such day: 0 Chet 558 (Chet has 31 days)"},
        {{"31 Phagan 558"}, "no such day: 31 Phagan 558 (Phagan of Sammat 558 has 30 days)"},
        {{"31 Phagan 631"}, "no such day: 31 Phagan 631 (Phagan of Sammat 631 has 30 days)"},  // 2100
        {{"1 Visakh 559"},
         "not a Nanakshahi month (Chet, Vaisakh, Jeth, Harh, Sawan, Bhadon, Asu, Katik, Maghar, Poh, Magh, Phagan): "
         "Visakh"},
        {{"5"}, NotADate + "5"}, {{"1 Chet Sammat"}, NotADate + "1 Chet Sammat"},
        {{"1 Chet 0"}, "date before the first day of the calendar (1469-03-14): 1 Chet 0"},
        {{"19 Poh 8531"}, "date after the last day the command handles (9999-12-31): 19 Poh 8531"},
        {{"1 Chet 1234567890"}, "date after the last day the command handles (9999-12-31): 1 Chet 1234567890"},
        {{"tomorrow"}, "tomorrow is after the last day the command handles (9999-12-31)", {9999, 12, 31}},
        {{"yesterday"}, "yesterday is before the first day of the calendar (1469-03-14)", {1469, 3, 14}},
        // After "--" nothing is an option.
        {{"--", "--help"}, NotADate + "--help"},
        // Options and the options that cannot go together.
        {{"--frobnicate"}, "unknown option: --frobnicate (see nanakshahi --help)"},
        {{"--frobnicate=3"}, "unknown option: --frobnicate=3 (see nanakshahi --help)"},
        {{"--gurmukhi=yes"}, "option takes no value: --gurmukhi=yes"},
        {{"-V=1"}, "unknown option: -V=1 (see nanakshahi --help)"},
        {{"--gurmukhi", "--legacy"}, "--gurmukhi and --legacy cannot be used together"},
        {{"--range", "2026-01-01", "2026-01-02", "--month"}, "--range and --month cannot be used together"},
        {{"--upcoming", "--upcoming"}, "option given twice: --upcoming"}, {{"-3", "-3"}, "option given twice: -3"},
        {{"-V", "--version"}, "option given twice: --version"},
        {{"-y", "--month"}, "--year and --month cannot be used together"},
        {{"--help", "2026-01-01"}, "unexpected argument after --help: 2026-01-01"},
        {{"--unicode", "notes.txt"}, "unexpected argument after --unicode: notes.txt"},
        {{"--unicode", "--gurmukhi"}, "--unicode and --gurmukhi cannot be used together"},
        {{"--help", "--legacy"}, "--help and --legacy cannot be used together"},
        // Ranges and exports.
        {{"--range", "2026-05-01", "2026-04-30"}, "range ends before it begins: 2026-05-01 2026-04-30"},
        {{"--range", "2026-05-01"}, "--range needs two dates, FROM and TO"},
        {{"--range", "2026-05-01", "--legacy"}, "--range needs two dates, FROM and TO"},
        {{"--range", "2026-01-01", "2026-01-02", "2026-01-03"}, "unexpected argument after --range: 2026-01-03"},
        {{"--range=tomorrow", "today"}, "range ends before it begins: tomorrow today"},
        {{"--range", "1 Chet 559", "31 Phagan 558"}, "no such day: 31 Phagan 558 (Phagan of Sammat 558 has 30 days)"},
        {{"--range", "1 Chet 559 2027-01-01", "today"}, NotADate + "1 Chet 559 2027-01-01"},
        {{"--ics", "2027-01-01"}, "--ics needs two dates, FROM and TO"},
        {{"--ics=2027-01-01"}, "--ics needs two dates, FROM and TO"},
        {{"--ics", "2027-12-31", "2027-01-01"}, "range ends before it begins: 2027-12-31 2027-01-01"},
        {{"--ics", "2027-01-01", "2027-12-31", "2028-01-01"}, "unexpected argument after --ics: 2028-01-01"},
        {{"--ics", "2027-01-01", "2027-12-31", "--gurmukhi"}, "--ics and --gurmukhi cannot be used together"},
        {{"--ics", "2027-01-01", "2027-12-31", "--json"}, "--ics and --json cannot be used together"},
        {{"--anniversaries"}, "--anniversaries goes with --ics only"},
        {{"--range", "2027-01-01", "2027-12-31", "--anniversaries"}, "--anniversaries goes with --ics only"},
        // JSON and the count of coming events.
        {{"--json", "--month"}, "--month and --json cannot be used together"},
        {{"--json", "--year"}, "--year and --json cannot be used together"},
        {{"--json", "--unicode"}, "--unicode and --json cannot be used together"},
        {{"--json", "--gurmukhi"},
         "--json and --gurmukhi cannot be used together (the JSON has the names in English and in Gurmukhi)"},
        {{"--legacy", "--json", "--upcoming"},
         "--json and --legacy cannot be used together (the JSON has the names in English and in Gurmukhi)"},
        {{"--upcoming", "0"}, "not a count from 1 to 1000: 0"},
        {{"--upcoming", "1001"}, "not a count from 1 to 1000: 1001"},
        {{"--upcoming", "-3"}, "not a count from 1 to 1000: -3"}, {{"--upcoming=+3"}, "not a count from 1 to 1000: +3"},
        {{"--upcoming="}, "not a count from 1 to 1000: \"\""},
        {{"--upcoming", "99999999999999999999"}, "not a count from 1 to 1000: 99999999999999999999"},
        {{"--upcoming", "3", "4"}, "unexpected argument after --upcoming: 4"},
        // Months: the old YEAR MONTH order, and pairs that only a Nanakshahi reading makes sense of.
        {{"--month", "2027", "03"},
         "--month 2027 03 is ambiguous: for March 2027 write --month 3 2027; for Jeth, Sammat 2027 write --month "
         "Jeth 2027"},
        {{"--month", "558", "9"},
         "--month 558 9 is ambiguous: September 558 runs outside the calendar; for Maghar, Sammat 558 write "
         "--month Maghar 558"},
        {{"--month", "3", "559"},
         "--month 3 559 is ambiguous: March 559 runs outside the calendar; for Jeth, Sammat 559 write --month Jeth "
         "559"},
        {{"--month", "3", "5"},
         "--month 3 5 is ambiguous: March 5 and May 3 run outside the calendar; for Sawan, Sammat 3 write --month "
         "Sawan 3; for Jeth, Sammat 5 write --month Jeth 5"},
        {{"--month", "8531", "10"}, "--month 8531 10 is ambiguous: for October 8531 write --month 10 8531"},
        {{"--month=2027", "3", "-3"},
         "--month 2027 3 is ambiguous: for March 2027 write --month 3 2027; for Jeth, Sammat 2027 write --month "
         "Jeth 2027"},
        {{"--month", "13", "2027"}, NotAMonth + "13 2027"}, {{"--month", "558", "13"}, NotAMonth + "558 13"},
        {{"--month", "Sammat", "1"}, NotAMonth + "Sammat 1"}, {{"--month", "2027-13"}, NotAMonth + "2027-13"},
        {{"--month", "foo"}, NotAMonth + "foo"},
        {{"--month", "558"},
         "--month needs a MONTH and a YEAR (--month 3 2027), or a Nanakshahi month by name (--month Vaisakh 559): "
         "558"},
        {{"--month", "Vaisakh", "Sammat"}, "--month needs a YEAR after Sammat: Vaisakh Sammat"},
        {{"--month", "Vaisakh", "559", "560"}, "unexpected argument after --month: 560"},
        {{"--month", "March", "2027", "x"}, "unexpected argument after --month: x"},
        {{"--month", ""}, "not a word: \"\""},
        // Months that run outside the calendar.
        {{"--month", "3", "10000"}, "outside 1469-03-14 to 9999-12-31: the Nanakshahi months of March 10000"},
        {{"--month", "12", "9999"}, "outside 1469-03-14 to 9999-12-31: the Nanakshahi months of December 9999"},
        {{"--month", "Poh", "8531"}, "outside 1469-03-14 to 9999-12-31: Poh, Sammat 8531"},
        {{"--month", "Chet", "0"}, "outside 1469-03-14 to 9999-12-31: Chet, Sammat 0"},
        {{"--month", "Chet", "1", "-3"}, "outside 1469-03-14 to 9999-12-31: the months around Chet, Sammat 1"},
        {{"-3", "11", "9999"}, "outside 1469-03-14 to 9999-12-31: the Nanakshahi months of November 9999"},
        {{"-3", "--upcoming"}, "--upcoming and -3 cannot be used together"},
        // Years.
        {{"--year", "559"},
         "--year 559 is ambiguous: the Gregorian year 559 runs outside the calendar; for Sammat 559 write --year "
         "Sammat 559"},
        {{"--year", "9999"}, "outside 1469-03-14 to 9999-12-31: the Nanakshahi months of 9999"},
        {{"--year", "99999"}, "outside 1469-03-14 to 9999-12-31: the Nanakshahi months of 99999"},
        {{"--year", "Sammat", "8531"}, "outside 1469-03-14 to 9999-12-31: Sammat 8531"},
        {{"--year", "Sammat", "0"}, "outside 1469-03-14 to 9999-12-31: Sammat 0"},
        {{"--year", "Sammat"}, "not a year (YEAR, or Sammat YEAR for a Nanakshahi year): Sammat"},
        {{"--year", "Chet"}, "not a year (YEAR, or Sammat YEAR for a Nanakshahi year): Chet"},
        {{"--year", "2027", "2028"}, "unexpected argument after --year: 2028"},
        {{"--year", "-3"}, "--year and -3 cannot be used together"},
    };
    for (const BadCase& c : cases) {
        const auto r = run_with(c.args, c.today, "cyq\n");
        SCOPED_TRACE(c.message);
        EXPECT_EQ(r.status, ExitBadInput);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "nanakshahi: " + c.message + "\n");
    }
}

}  // namespace
}  // namespace tarnvel::cli
