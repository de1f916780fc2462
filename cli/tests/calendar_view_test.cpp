// The month and year views as the command prints them.

#include <gtest/gtest.h>

#include <sstream>

#include "calendar/nanakshahi_date.h"
#include "cli/month_grid.h"
#include "cli/period.h"
#include "cli/text_width.h"
#include "run_result.h"

namespace tarnvel::cli {
namespace {

using testing::run_in;
using testing::run_with;

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string view(std::vector<std::string_view> args, CivilDate today = {2026, 12, 5}) {
    const auto r = run_with(std::move(args), today);
    EXPECT_EQ(r.status, ExitOk) << r.err;
    return r.out;
}

TEST(MonthView, AGregorianMonthGivesTheTwoNanakshahiMonthsThatCoverIt) {
    const std::string march = month_grid(558, 12) + "\n" + month_grid(559, 1);
    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"--month", "3", "2027"}, {"--month", "03", "2027"}, {"--month", "March", "2027"},
             {"--month", "mar", "2027"}, {"--month", "2027-03"}, {"--month=3", "2027"}})
        EXPECT_EQ(view(args), march) << args[1];
    // A month name alone is the month of this year.
    EXPECT_EQ(view({"--month", "March"}, {2027, 1, 2}), march);

    // Every Gregorian month of the calendar: its first and last day lie in the months shown.
    int failures = 0;
    for (int year = 1469; year <= 9999 && failures < 5; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const std::string m = std::to_string(month), y = std::to_string(year);
            const std::vector<std::string_view> words{m, y};
            const ViewRead v = read_month_view(words, false, CivilDate{2026, 12, 5});
            const bool inside = (year > 1469 || month > 3) && (year < 9999 || month < 12);
            if (!inside) {
                if (!v.problem) ++failures, ADD_FAILURE() << "accepted " << m << ' ' << y;
                continue;
            }
            const NanakshahiFields first = nanakshahi_fields(year, month, 1);
            const NanakshahiFields last = nanakshahi_fields(year, month, days_in_month(year, month));
            const MonthRef second = next_month(v.view.first);
            if (v.problem || v.view.count != 2 || v.view.compact || v.view.first != MonthRef{first.year, first.month} ||
                second != MonthRef{last.year, last.month}) {
                ++failures;
                ADD_FAILURE() << m << ' ' << y << ": " << v.problem.message;
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(MonthView, ANanakshahiMonthByItsName) {
    const std::string vaisakh = month_grid(559, 2);
    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"--month", "Vaisakh", "559"}, {"--month", "VAISAKH", "sammat", "559"},
             {"--month", "Vaisakh, Sammat 559 Nanakshahi"}, {"--month=Vaisakh", "559"}, {"--month", "--", "vaisakh", "559"}})
        EXPECT_EQ(view(args), vaisakh) << args[1];
    EXPECT_EQ(view({"--month", "Vaisakh"}), month_grid(558, 2));  // this Nanakshahi year
    EXPECT_EQ(view({"--month"}), month_grid(558, 9));             // this month
    EXPECT_EQ(view({"--month", "Poh", "8530"}), month_grid(8530, 10));
}

// The cells of cal's small blocks, read back from a view: for each block, its title and the
// column (weekday) of each day in order.
struct Block {
    std::string title;
    std::vector<int> columns;  // of days 1, 2, ...
};

std::vector<Block> blocks_of(const std::vector<std::string>& lines, std::size_t from) {
    std::vector<Block> blocks;
    for (std::size_t i = from; i < lines.size();) {
        if (lines[i].empty()) {
            ++i;
            continue;
        }
        const std::size_t group = blocks.size();
        std::size_t end = i;
        while (end < lines.size() && !lines[end].empty()) ++end;
        for (std::size_t b = 0; b < 3 && b * 22 < lines[i].size(); ++b) {
            Block block;
            const std::string title = lines[i].substr(b * 22, 20);
            block.title = title.substr(title.find_first_not_of(' '));
            while (!block.title.empty() && block.title.back() == ' ') block.title.pop_back();
            EXPECT_EQ(lines[i + 2].substr(b * 22, 20), "Su Mo Tu We Th Fr Sa");
            for (std::size_t row = i + 3; row < end; ++row) {
                for (std::size_t col = 0; col < 7; ++col) {
                    const std::size_t at = b * 22 + col * 3;
                    if (at >= lines[row].size() || lines[row].substr(at, 2) == "  ") continue;
                    EXPECT_EQ(std::stoi(lines[row].substr(at, 2)), static_cast<int>(block.columns.size()) + 1)
                        << lines[row];
                    block.columns.push_back(static_cast<int>(col));
                }
            }
            blocks.push_back(block);
        }
        EXPECT_GT(blocks.size(), group);
        i = end;
    }
    return blocks;
}

void expect_months(const std::vector<Block>& blocks, MonthRef first, std::size_t count) {
    ASSERT_EQ(blocks.size(), count);
    MonthRef m = first;
    for (const Block& b : blocks) {
        SCOPED_TRACE(b.title);
        EXPECT_EQ(b.title, std::string(NanakshahiMonths[static_cast<std::size_t>(m.month - 1)].english) + " " +
                               std::to_string(m.year));
        ASSERT_EQ(b.columns.size(), static_cast<std::size_t>(month_length(m.year, m.month)));
        for (std::size_t d = 0; d < b.columns.size(); ++d)
            EXPECT_EQ(b.columns[d], weekday(gregorian_of(m.year, m.month, static_cast<int>(d) + 1))) << d + 1;
        m = next_month(m);
    }
}

TEST(YearView, TheTwelveMonthsOfANanakshahiYear) {
    for (const std::string_view year : {"559", "560", "1", "8530"}) {
        SCOPED_TRACE(year);
        const auto lines = lines_of(view({"--year", "Sammat", year}));
        ASSERT_GT(lines.size(), 3u);
        const int y = std::stoi(std::string(year));
        EXPECT_EQ(lines[0].substr(lines[0].find_first_not_of(' ')), "Sammat " + std::string(year) + " Nanakshahi");
        EXPECT_EQ(lines[2], "");
        expect_months(blocks_of(lines, 3), {y, 1}, 12);
        for (const std::string& line : lines) EXPECT_LE(display_width(line), 64u) << line;
    }
    EXPECT_EQ(view({"-y"}), view({"--year", "sammat", "558", "nanakshahi"}));  // this year
    EXPECT_EQ(view({"--year=Sammat 559"}), view({"--year", "Sammat", "559"}));
}

TEST(YearView, TheMonthsThatCoverAGregorianYear) {
    const auto lines = lines_of(view({"--year", "2027"}));
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(30, ' ') + "2027");
    EXPECT_EQ(lines[1].substr(lines[1].find_first_not_of(' ')), "Poh, Sammat 558 - Poh, Sammat 559");
    expect_months(blocks_of(lines, 3), {558, 10}, 13);
    expect_months(blocks_of(lines_of(view({"-y", "1470"})), 3), {1, 10}, 13);  // the first whole one
}

TEST(YearView, ThreeAcross) {
    const std::string first_row =
              "                     Sammat 558 Nanakshahi\n"
              "                   14 Mar 2026 - 13 Mar 2027\n"
              "\n"
              "      Chet 558            Vaisakh 558             Jeth 558\n"
              "  14 Mar - 13 Apr       14 Apr - 14 May       15 May - 14 Jun\n"
              "Su Mo Tu We Th Fr Sa  Su Mo Tu We Th Fr Sa  Su Mo Tu We Th Fr Sa\n"
              "                   1         1  2  3  4  5                  1  2\n"
              " 2  3  4  5  6  7  8   6  7  8  9 10 11 12   3  4  5  6  7  8  9\n"
              " 9 10 11 12 13 14 15  13 14 15 16 17 18 19  10 11 12 13 14 15 16\n"
              "16 17 18 19 20 21 22  20 21 22 23 24 25 26  17 18 19 20 21 22 23\n"
              "23 24 25 26 27 28 29  27 28 29 30 31        24 25 26 27 28 29 30\n"
              "30 31                                       31\n"
              "\n"
              "      Harh 558             Sawan 558             Bhadon 558\n";
    EXPECT_EQ(view({"--year", "Sammat", "558"}).substr(0, first_row.size()), first_row);
}

TEST(ThreeMonths, TheMonthBeforeAndAfter) {
    expect_months(blocks_of(lines_of(view({"-3"})), 0), {558, 8}, 3);
    expect_months(blocks_of(lines_of(view({"--month", "Chet", "559", "-3"})), 0), {558, 12}, 3);
    // A Gregorian month: centred on the Nanakshahi month that begins in it.
    expect_months(blocks_of(lines_of(view({"-3", "3", "2027"})), 0), {558, 12}, 3);
    expect_months(blocks_of(lines_of(view({"-3", "--month", "January", "2027"})), 0), {558, 10}, 3);
}

std::string without_escapes(std::string s) {
    for (const std::string_view e : {"\x1b[7m", "\x1b[27m"})
        for (std::size_t at; (at = s.find(e)) != std::string::npos;) s.erase(at, e.size());
    return s;
}

std::size_t count_of(const std::string& s, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
    return n;
}

TEST(MarkedToday, ReverseVideoOnTodayAloneAndOnlyWhenAsked) {
    const CivilDate today{2026, 12, 5};  // 22 Maghar 558
    const Context terminal{today, testing::FixedNow, true};
    struct MarkCase {
        std::vector<std::string_view> args;
        std::string_view marked;  // the text in reverse video, or empty for none
    };
    const MarkCase cases[] = {
        {{"--month"}, "22 5/12"},
        {{"--month", "12", "2026"}, "22 5/12"},
        {{"--month", "--gurmukhi"}, "੨੨ 5/12"},
        {{"-3"}, "22"},
        {{"--year"}, "22"},
        {{"--year", "2026", "--legacy"}, "22"},
        {{"--month", "Chet", "559"}, ""},
        {{"--year", "Sammat", "559"}, ""},
    };
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(c.args.back());
        const auto marked = run_in(c.args, terminal);
        const auto plain = run_with(c.args, today);
        ASSERT_EQ(marked.status, ExitOk);
        EXPECT_EQ(count_of(plain.out, "\x1b"), 0u);
        EXPECT_EQ(without_escapes(marked.out), plain.out);
        if (c.marked.empty()) {
            EXPECT_EQ(marked.out, plain.out);
        } else {
            EXPECT_EQ(count_of(marked.out, "\x1b[7m"), 1u);
            EXPECT_EQ(count_of(marked.out, "\x1b[7m" + std::string(c.marked) + "\x1b[27m"), 1u) << marked.out;
        }
    }
    // The other views are never marked.
    for (const auto& args : std::vector<std::vector<std::string_view>>{{}, {"--upcoming"}, {"--range", "today", "today"}})
        EXPECT_EQ(count_of(run_in(args, terminal).out, "\x1b"), 0u);
}

TEST(Scripts, MonthAndYearViewsInGurmukhiAndTheLegacyEncoding) {
    const auto english = lines_of(view({"--month"}));
    const auto gurmukhi = lines_of(view({"--month", "--gurmukhi"}));
    const auto legacy = lines_of(view({"--legacy", "--month"}));
    auto heading = [](const std::string& line) { return line.substr(line.find_first_not_of(' ')); };
    EXPECT_EQ(heading(english[0]), "Maghar, Sammat 558");
    EXPECT_EQ(heading(english[1]), "ਮੱਘਰ, ਸੰਮਤ ੫੫੮");
    EXPECT_EQ(heading(gurmukhi[0]), "ਮੱਘਰ, ਸੰਮਤ ੫੫੮");
    EXPECT_EQ(heading(legacy[0]), "m`Gr, sMmq 558");
    // The Gregorian side stays as it is; the grids have the same shape.
    EXPECT_EQ(gurmukhi[1], english[2]);
    EXPECT_EQ(legacy.size(), english.size() - 1);
    EXPECT_NE(gurmukhi.back().find("੩੦ 13/12"), std::string::npos) << gurmukhi.back();
    EXPECT_EQ(legacy.back(), english.back());

    const auto year = lines_of(view({"--year", "Sammat", "559", "--gurmukhi"}));
    EXPECT_EQ(heading(year[0]), "ਸੰਮਤ ੫੫੯ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ");
    EXPECT_EQ(heading(year[3]).substr(0, heading(year[3]).find(' ', 10)), "ਚੇਤ ੫੫੯");
    for (const std::string& line : year) EXPECT_LE(display_width(line), 64u) << line;
    EXPECT_EQ(heading(lines_of(view({"--year", "Sammat", "559", "--legacy"}))[0]), "sMmq 559 nwnkSwhI");
}

}  // namespace
}  // namespace tarnvel::cli
