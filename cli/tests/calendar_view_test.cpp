// The month and year views as the command prints them.

#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/nanakshahi_date.h"
#include "cli/calendar_view.h"
#include "cli/month_grid.h"
#include "cli/period.h"
#include "cli/text_width.h"
#include "run_result.h"

namespace tarnvel::cli {
namespace {

using testing::run_in;
using testing::run_with;

std::string view(std::vector<std::string_view> args, CivilDate today = {2026, 12, 5}) {
    const auto r = run_with(std::move(args), today);
    EXPECT_EQ(r.status, ExitOk) << r.err;
    return r.out;
}

std::string blocks(MonthRef first, int count) { return calendar_view({first, count, true}, {}); }

// The look as a whole: a 31-day Phagan (2028 is a leap year), and cal's small blocks around it.
TEST(Views, PhaganOfALeapYear) {
    EXPECT_EQ(view({"--month", "Phagan", "559"}),
              "                         Phagan, Sammat 559\n"
              "                            ਫੱਗਣ, ਸੰਮਤ ੫੫੯\n"
              "                     12 Feb 2028 - 13 Mar 2028\n"
              "Su        Mo        Tu        We        Th        Fr        Sa\n"
              "                                                             1 12/2\n"
              " 2 13/2    3 14/2    4 15/2    5 16/2    6 17/2    7 18/2    8 19/2\n"
              " 9 20/2   10 21/2   11 22/2   12 23/2   13 24/2   14 25/2   15 26/2\n"
              "16 27/2   17 28/2   18 29/2   19 1/3    20 2/3    21 3/3    22 4/3\n"
              "23 5/3    24 6/3    25 7/3    26 8/3    27 9/3    28 10/3   29 11/3\n"
              "30 12/3   31 13/3\n");
    EXPECT_EQ(view({"--month", "Phagan", "559", "-3"}),
              "      Magh 559             Phagan 559             Chet 560\n"
              "  13 Jan - 11 Feb       12 Feb - 13 Mar       14 Mar - 13 Apr\n"
              "Su Mo Tu We Th Fr Sa  Su Mo Tu We Th Fr Sa  Su Mo Tu We Th Fr Sa\n"
              "             1  2  3                     1         1  2  3  4  5\n"
              " 4  5  6  7  8  9 10   2  3  4  5  6  7  8   6  7  8  9 10 11 12\n"
              "11 12 13 14 15 16 17   9 10 11 12 13 14 15  13 14 15 16 17 18 19\n"
              "18 19 20 21 22 23 24  16 17 18 19 20 21 22  20 21 22 23 24 25 26\n"
              "25 26 27 28 29 30     23 24 25 26 27 28 29  27 28 29 30 31\n"
              "                      30 31\n");
}

TEST(Views, TheMonthsTheArgumentsName) {
    const std::string march = month_grid(558, 12) + "\n" + month_grid(559, 1);
    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"--month", "3", "2027"}, {"--month", "03", "2027"}, {"--month", "March", "2027"},
             {"--month", "mar", "2027"}, {"--month", "2027-03"}, {"--month=3", "2027"}})
        EXPECT_EQ(view(args), march) << args[1];
    EXPECT_EQ(view({"--month", "March"}, {2027, 1, 2}), march);  // a month name alone: this year's
    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"--month", "Vaisakh", "559"}, {"--month", "VAISAKH", "sammat", "559"},
             {"--month", "Vaisakh, Sammat 559 Nanakshahi"}, {"--month=Vaisakh", "559"}, {"--month", "--", "vaisakh", "559"}})
        EXPECT_EQ(view(args), month_grid(559, 2)) << args[1];
    EXPECT_EQ(view({"--month", "Vaisakh"}), month_grid(558, 2));  // this Nanakshahi year
    EXPECT_EQ(view({"--month"}), month_grid(558, 9));             // this month
    EXPECT_EQ(view({"--month", "Poh", "8530"}), month_grid(8530, 10));
    // -3: the month before and after; a Gregorian month is centred on the month that begins in it.
    EXPECT_EQ(view({"-3"}), blocks({558, 8}, 3));
    EXPECT_EQ(view({"--month", "Chet", "559", "-3"}), blocks({558, 12}, 3));
    EXPECT_EQ(view({"-3", "3", "2027"}), blocks({558, 12}, 3));
    EXPECT_EQ(view({"-3", "--month", "January", "2027"}), blocks({558, 10}, 3));

    // Every Gregorian month of the calendar: its first and last day lie in the two months shown.
    int failures = 0;
    for (int year = 1469; year <= 9999 && failures < 5; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const std::string m = std::to_string(month), y = std::to_string(year);
            const std::vector<std::string_view> words{m, y};
            const ViewRead v = read_month_view(words, false, CivilDate{2026, 12, 5});
            const NanakshahiFields first = nanakshahi_fields(year, month, 1);
            const NanakshahiFields last = nanakshahi_fields(year, month, days_in_month(year, month));
            const bool inside = (year > 1469 || month > 3) && (year < 9999 || month < 12);
            if (inside ? v.problem || v.view.count != 2 || v.view.compact || v.view.first != MonthRef{first.year, first.month} ||
                             next_month(v.view.first) != MonthRef{last.year, last.month}
                       : !v.problem)
                ADD_FAILURE() << ++failures << ": " << m << ' ' << y << ": " << v.problem.message;
        }
    }
}

// A year is its heading, then its months three across; a Gregorian year has the thirteen
// Nanakshahi months that cover it.
TEST(Views, Years) {
    std::string sammat = "                     Sammat 558 Nanakshahi\n                   14 Mar 2026 - 13 Mar 2027\n\n";
    for (int first = 1; first <= 12; first += 3) sammat += (first > 1 ? "\n" : "") + blocks({558, first}, 3);
    EXPECT_EQ(view({"--year", "Sammat", "558"}), sammat);
    EXPECT_EQ(view({"-y"}), sammat);  // this year
    EXPECT_EQ(view({"--year=Sammat 558", "nanakshahi"}), sammat);
    std::string gregorian = std::string(30, ' ') + "2027\n               Poh, Sammat 558 - Poh, Sammat 559\n\n";
    for (MonthRef m{558, 10}; m != MonthRef{559, 10}; m = next_month(next_month(next_month(m))))
        gregorian += blocks(m, 3) + "\n";
    EXPECT_EQ(view({"--year", "2027"}), gregorian + blocks({559, 10}, 1));
    EXPECT_NE(view({"-y", "1470"}).find(std::string(15, ' ') + "Poh, Sammat 1 - Poh, Sammat 2\n"), std::string::npos);
    EXPECT_NE(view({"--year", "Sammat", "559"}).find("\n" + std::string(19, ' ') + "14 Mar 2027 - 13 Mar 2028\n"),
              std::string::npos);  // Phagan's leap day
    for (const std::string_view year : {"1", "8530"})
        EXPECT_NE(view({"--year", "Sammat", year}).find("Phagan " + std::string(year)), std::string::npos);
}

// Today (22 Maghar 558) in reverse video, on a terminal only, and only in the views that show it.
TEST(Views, TodayMarked) {
    const Context terminal{{2026, 12, 5}, testing::FixedNow, true};
    const std::pair<std::vector<std::string_view>, std::string_view> cases[] = {
        {{"--month"}, "22 5/12"}, {{"--month", "12", "2026"}, "22 5/12"}, {{"--month", "--gurmukhi"}, "੨੨ 5/12"},
        {{"-3"}, "22"}, {{"--year"}, "22"}, {{"--year", "2026", "--legacy"}, "22"},
        {{"--month", "Chet", "559"}, ""}, {{"--year", "Sammat", "559"}, ""},
        {{}, ""}, {{"--upcoming"}, ""}, {{"--range", "today", "today"}, ""}};
    for (const auto& [args, marked] : cases) {
        std::string out = run_in(args, terminal).out;
        const std::string plain = run_with(args).out, mark = "\x1b[7m" + std::string(marked) + "\x1b[27m";
        EXPECT_EQ(std::ranges::count(out, '\x1b'), marked.empty() ? 0 : 2) << out;
        if (const std::size_t at = out.find(mark); !marked.empty() && at != std::string::npos)
            out.replace(at, mark.size(), marked);
        EXPECT_EQ(out, plain);
    }
}

TEST(Views, GurmukhiAndTheLegacyEncoding) {
    const auto heading = [](const std::string& text, std::size_t line) {
        const std::string l = testing::lines_of(text).at(line);
        return l.substr(l.find_first_not_of(' '));
    };
    const std::string english = view({"--month"}), gurmukhi = view({"--month", "--gurmukhi"});
    const std::string legacy = view({"--legacy", "--month"});
    EXPECT_EQ(heading(gurmukhi, 0), "ਮੱਘਰ, ਸੰਮਤ ੫੫੮");
    EXPECT_EQ(heading(english, 1), heading(gurmukhi, 0));
    EXPECT_EQ(heading(legacy, 0), "m`Gr, sMmq 558");
    // Only the Nanakshahi side changes: the legacy grid is the English one without its Gurmukhi line.
    EXPECT_EQ(legacy.substr(legacy.find('\n')), english.substr(english.find('\n', english.find('\n') + 1)));
    EXPECT_NE(gurmukhi.find("੩੦ 13/12"), std::string::npos);
    const std::string year = view({"--year", "Sammat", "559", "--gurmukhi"});
    EXPECT_EQ(heading(year, 0), "ਸੰਮਤ ੫੫੯ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ");
    EXPECT_TRUE(heading(year, 3).starts_with("ਚੇਤ ੫੫੯ ")) << heading(year, 3);
    for (const std::string& line : testing::lines_of(year)) EXPECT_LE(display_width(line), 64u) << line;
    EXPECT_EQ(heading(view({"--year", "Sammat", "559", "--legacy"}), 0), "sMmq 559 nwnkSwhI");
}

TEST(Views, DisplayWidthLeavesGurmukhiSignsNoColumnOfTheirOwn) {
    const std::pair<std::string_view, std::size_t> cases[] = {
        {"", 0},     {"Maghar 558", 10}, {"ਮੱਘਰ", 3} /* adhak */, {"ਚੇਤ", 2} /* vowel sign e */,
        {"ਸੰਮਤ", 3} /* tippi */, {"ਕਿ", 2} /* sihari is a spacing sign */, {"ਸ\u0A3Cਾ", 2} /* nukta, kanna */};
    for (const auto& [text, width] : cases) EXPECT_EQ(display_width(text), width) << text;
}

}  // namespace
}  // namespace tarnvel::cli
