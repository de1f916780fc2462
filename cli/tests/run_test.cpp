// What the command prints for good input, with a fixed today (5 December 2026, 22 Maghar 558).

#include <gtest/gtest.h>

#include <algorithm>

#include "cli/help_text.h"
#include "run_result.h"

namespace tarnvel::cli {
namespace {

using testing::run_with;

constexpr std::string_view Sha = "\u0A38\u0A3C";  // NFC keeps sha as sa + nukta

// The line of each date is the every-day test's, --unicode on standard input the program test's.
TEST(Run, Outputs) {
    const std::string purab = "ਪ੍ਰਕਾ" + std::string(Sha) + " ਪੁਰਬ - ਗੁਰੂ ਨਾਨਕ ਸਾਹਿਬ";
    const struct {
        std::vector<std::string_view> args;
        std::string out;
        CivilDate today = {2026, 12, 5};
    } cases[] = {
        {{}, "22 Maghar, Sammat 558 Nanakshahi\n"},
        {{"--legacy"}, "22 m`Gr, sMmq 558 nwnkSwhI\n"},
        {{"--gurmukhi", "2026-04-14"}, "੧ ਵੈਸਾਖ, ਸੰਮਤ ੫੫੮ ਨਾਨਕ" + std::string(Sha) + "ਾਹੀ\n"},
        {{"--version"}, "nanakshahi (Tarnvel) 1.0\n"},
        // A Nanakshahi date gives its Gregorian date (the printed line: the every-day test's).
        {{"1 Vaisakh 559"}, "2027-04-14\n"},
        {{"1", "vaisakh", "559"}, "2027-04-14\n"},
        {{"18 Poh 8531", "1 Chet 1", "01 Chet 0559"}, "9999-12-31\n1469-03-14\n2027-03-14\n"},
        {{"1 Chet"}, "2026-03-14\n"},  // the Nanakshahi year of today
        // An argument of several words is a date of its own; single words make one together.
        {{"1 Chet", "1 Vaisakh"}, "2026-03-14\n2026-04-14\n"},
        {{"1 Chet 559", "1", "Vaisakh", "559", "2027-04-14"}, "2027-03-14\n2027-04-14\n1 Vaisakh, Sammat 559 Nanakshahi\n"},
        {{"--", "1 Chet 559", "TODAY", "tomorrow", "yesterday"},
         "2027-03-14\n22 Maghar, Sammat 558 Nanakshahi\n23 Maghar, Sammat 558 Nanakshahi\n21 Maghar, Sammat 558 Nanakshahi\n"},
        {{"--range", "yesterday", "tomorrow"},
         "2026-03-13\t30\t12\t557\t30 Phagan, Sammat 557 Nanakshahi\n2026-03-14\t1\t1\t558\t1 Chet, Sammat 558 Nanakshahi\n"
         "2026-03-15\t2\t1\t558\t2 Chet, Sammat 558 Nanakshahi\n", {2026, 3, 14}},
        // The range and the coming events in each script: numbers, dates and weekdays stay.
        {{"--range", "30 Phagan 557", "2026-03-14", "--gurmukhi"},
         "2026-03-13\t30\t12\t557\t੩੦ ਫੱਗਣ, ਸੰਮਤ ੫੫੭ ਨਾਨਕ" + std::string(Sha) + "ਾਹੀ\n2026-03-14\t1\t1\t558\t੧ ਚੇਤ, ਸੰਮਤ ੫੫੮ ਨਾਨਕ" +
             std::string(Sha) + "ਾਹੀ\n"},
        {{"--legacy", "--range", "2026-03-13", "2026-03-14"},
         "2026-03-13\t30\t12\t557\t30 P`gx, sMmq 557 nwnkSwhI\n2026-03-14\t1\t1\t558\t1 cyq, sMmq 558 nwnkSwhI\n"},
        {{"--upcoming", "3", "--gurmukhi"},
         "2027-03-14 Sun     today  ਨਵਾਂ ਸਾਲ, ੧ ਚੇਤ, ਸੰਮਤ ੫੫੯ ਨਾਨਕ" + std::string(Sha) + "ਾਹੀ\n2027-04-14 Wed   31 days  ਵੈਸਾਖੀ\n"
             "2027-11-26 Fri  257 days  " + purab + "\n", {2027, 3, 14}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "(no arguments)" : c.args.front());
        const auto r = run_with(c.args, c.today);
        EXPECT_EQ(r.status, ExitOk);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
    const auto five = run_with({"--upcoming"}).out, three = run_with({"--upcoming", "3"}).out;
    EXPECT_EQ(std::count(five.begin(), five.end(), '\n'), 5);
    EXPECT_EQ(five.substr(0, three.size()), three);
}

TEST(Run, HelpNamesEveryOptionInEightyColumns) {
    EXPECT_EQ(run_with({"-h"}).out, HelpText);
    EXPECT_EQ(run_with({"--help"}).status, ExitOk);
    for (std::string_view option : {"--gurmukhi", "--legacy", "--json", "--range", "--month", "-3", "--year", "-y",
                                    "--upcoming", "--ics", "--anniversaries", "--unicode", "--help", "-h",
                                    "--version", "-V", "--", "today", "tomorrow", "yesterday", "NO_COLOR"})
        EXPECT_NE(HelpText.find(option), std::string_view::npos) << option;
    for (const std::string& line : testing::lines_of(std::string(HelpText))) EXPECT_LE(line.size(), 80u) << line;
    EXPECT_TRUE(HelpText.ends_with('\n'));
}

TEST(Run, TodayOutsideTheCalendarIsAFailureNotBadInput) {
    for (const CivilDate today : {CivilDate{1400, 1, 1}, CivilDate{2026, 2, 30}}) {
        const auto r = run_with({}, today);
        EXPECT_EQ(r.status, ExitFailure);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "nanakshahi: today's date is outside 1469-03-14 to 9999-12-31\n");
    }
    EXPECT_EQ(run_with({"2026-12-05"}, {0, 0, 0}).out, "22 Maghar, Sammat 558 Nanakshahi\n");  // needs no today
    // The current month can run past the last day even when today does not.
    const auto poh = run_with({"--month"}, {9999, 12, 20});
    EXPECT_EQ(poh.status, ExitFailure);
    EXPECT_EQ(poh.out, "");
}

}  // namespace
}  // namespace tarnvel::cli
