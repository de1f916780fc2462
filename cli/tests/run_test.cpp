#include <gtest/gtest.h>

#include <algorithm>

#include "cli/help_text.h"
#include "run_result.h"

namespace tarnvel::cli {
namespace {

using testing::run_with;

struct OutputCase {
    std::vector<std::string_view> args;
    CivilDate today;
    std::string_view out;
};

TEST(Run, PrintsDateLines) {
    const OutputCase cases[] = {
        {{}, {2026, 12, 5}, "22 Maghar, Sammat 558 Nanakshahi\n"},
        {{}, {2026, 3, 14}, "1 Chet, Sammat 558 Nanakshahi\n"},
        {{"2028-02-29", "2028-03-01", "2028-03-13", "2028-03-14"},
         {2026, 12, 5},
         "18 Phagan, Sammat 559 Nanakshahi\n19 Phagan, Sammat 559 Nanakshahi\n"
         "31 Phagan, Sammat 559 Nanakshahi\n1 Chet, Sammat 560 Nanakshahi\n"},
        {{"1469-03-14", "9999-12-31"}, {2026, 12, 5}, "1 Chet, Sammat 1 Nanakshahi\n18 Poh, Sammat 8531 Nanakshahi\n"},
        {{"--legacy"}, {2026, 12, 5}, "22 m`Gr, sMmq 558 nwnkSwhI\n"},
        {{"2026-03-13", "--legacy"}, {2000, 1, 1}, "30 P`gx, sMmq 557 nwnkSwhI\n"},
        // NFC keeps sha as sa + nukta.
        {{"--gurmukhi"}, {2026, 12, 5}, "੨੨ ਮੱਘਰ, ਸੰਮਤ ੫੫੮ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ\n"},
        {{"--gurmukhi", "2026-04-14"}, {2026, 12, 5}, "੧ ਵੈਸਾਖ, ਸੰਮਤ ੫੫੮ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ\n"},
        {{"--version"}, {2026, 12, 5}, "nanakshahi (Tarnvel) 1.0\n"},
    };
    for (const OutputCase& c : cases) {
        const auto r = run_with(c.args, c.today);
        SCOPED_TRACE(c.args.empty() ? std::string("(no arguments)") : std::string(c.args.front()));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST(Run, HelpNamesEveryOption) {
    for (std::string_view spelled : {"--help", "-h"}) {
        const auto r = run_with({spelled});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, HelpText);
    }
    for (std::string_view option : {"--gurmukhi", "--legacy", "--json", "--range", "--month", "-3", "--year", "-y",
                                    "--upcoming", "--ics", "--anniversaries", "--unicode", "--help", "-h",
                                    "--version", "-V", "--", "today", "tomorrow", "yesterday", "NO_COLOR"})
        EXPECT_NE(HelpText.find(option), std::string_view::npos) << option;
}

TEST(Run, HelpFitsEightyColumns) {
    std::size_t start = 0;
    for (std::size_t end; (end = HelpText.find('\n', start)) != std::string_view::npos; start = end + 1)
        EXPECT_LE(end - start, 80u) << HelpText.substr(start, end - start);
    EXPECT_EQ(start, HelpText.size());
}

TEST(Run, UnicodeConvertsStandardInput) {
    const auto r = run_with({"--unicode"}, {2026, 12, 5}, "cyq vYswK\nm`Gr\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "ਚੇਤ ਵੈਸਾਖ\nਮੱਘਰ\n");
    EXPECT_EQ(r.err, "");
}

TEST(Run, RangeAndMonthAndUpcomingGoToStandardOutput) {
    const auto range = run_with({"--range", "2026-03-13", "2026-03-14"});
    EXPECT_EQ(range.status, 0);
    EXPECT_EQ(range.out,
              "2026-03-13\t30\t12\t557\t30 Phagan, Sammat 557 Nanakshahi\n"
              "2026-03-14\t1\t1\t558\t1 Chet, Sammat 558 Nanakshahi\n");

    // Without YEAR MONTH the month is today's: 5 December 2026 lies in Maghar 558.
    const auto month = run_with({"--month"}, {2026, 12, 5});
    EXPECT_EQ(month.status, 0);
    EXPECT_NE(month.out.find("Maghar, Sammat 558"), std::string::npos) << month.out;
    EXPECT_EQ(month.out, run_with({"--month", "Maghar", "558"}, {1999, 1, 1}).out);

    const auto upcoming = run_with({"--upcoming"}, {2026, 12, 5});
    EXPECT_EQ(upcoming.status, 0);
    EXPECT_EQ(std::count(upcoming.out.begin(), upcoming.out.end(), '\n'), 5);
    const auto three = run_with({"--upcoming", "3"}, {2026, 12, 5});
    EXPECT_EQ(three.out, upcoming.out.substr(0, three.out.size()));
    EXPECT_EQ(std::count(three.out.begin(), three.out.end(), '\n'), 3);
}

// --gurmukhi and --legacy write the Nanakshahi side of the range and the coming events in
// their script; the numbers, dates and weekdays stay as they are.
TEST(Run, RangeAndComingEventsInEachScript) {
    EXPECT_EQ(run_with({"--range", "2026-03-13", "2026-03-14", "--gurmukhi"}).out,
              "2026-03-13\t30\t12\t557\t੩੦ ਫੱਗਣ, ਸੰਮਤ ੫੫੭ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ\n"
              "2026-03-14\t1\t1\t558\t੧ ਚੇਤ, ਸੰਮਤ ੫੫੮ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ\n");
    EXPECT_EQ(run_with({"--legacy", "--range", "2026-03-13", "2026-03-14"}).out,
              "2026-03-13\t30\t12\t557\t30 P`gx, sMmq 557 nwnkSwhI\n"
              "2026-03-14\t1\t1\t558\t1 cyq, sMmq 558 nwnkSwhI\n");
    EXPECT_EQ(run_with({"--upcoming", "3", "--gurmukhi"}, {2027, 3, 14}).out,
              "2027-03-14 Sun     today  ਨਵਾਂ ਸਾਲ, ੧ ਚੇਤ, ਸੰਮਤ ੫੫੯ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ\n"
              "2027-04-14 Wed   31 days  ਵੈਸਾਖੀ\n"
              "2027-11-26 Fri  257 days  ਪ੍ਰਕਾ\u0A38\u0A3C ਪੁਰਬ - ਗੁਰੂ ਨਾਨਕ ਸਾਹਿਬ\n");
    EXPECT_EQ(run_with({"--upcoming", "2", "--legacy"}, {2027, 3, 14}).out,
              "2027-03-14 Sun    today  nvW swl, 1 cyq, sMmq 559 nwnkSwhI\n"
              "2027-04-14 Wed  31 days  vYswKI\n");
}

TEST(Run, TodayOutsideTheCalendarIsAFailureNotBadInput) {
    for (const CivilDate today : {CivilDate{1400, 1, 1}, CivilDate{2026, 2, 30}}) {
        const auto r = run_with({}, today);
        EXPECT_EQ(r.status, ExitFailure);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "nanakshahi: today's date is outside 1469-03-14 to 9999-12-31\n");
    }
    // Dates given explicitly need no today.
    EXPECT_EQ(run_with({"2026-12-05"}, {0, 0, 0}).out, "22 Maghar, Sammat 558 Nanakshahi\n");
    // The current month can run past the last day even when today does not.
    const auto poh = run_with({"--month"}, {9999, 12, 20});
    EXPECT_EQ(poh.status, ExitFailure);
    EXPECT_EQ(poh.out, "");
}

TEST(Run, ReportsAFailedWrite) {
    std::istringstream in;
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    const std::vector<std::string_view> args{"--range", "2026-01-01", "2026-12-31"};
    EXPECT_EQ(run(args, Context{{2026, 12, 5}, testing::FixedNow, false}, in, out, err), ExitFailure);
    EXPECT_EQ(err.str(), "nanakshahi: cannot write to standard output\n");
}

}  // namespace
}  // namespace tarnvel::cli
