#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calendar/nanakshahi_date.h"
#include "cli/month_grid.h"
#include "cli/text_width.h"

namespace tarnvel::cli {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct Cell {
    int day, gregorian_day, gregorian_month, column;
};

// Reads the cells back from the week lines: ten columns per weekday, " d dd/mm".
std::vector<Cell> cells_of(const std::vector<std::string>& lines) {
    std::vector<Cell> cells;
    for (std::size_t i = 4; i < lines.size(); ++i) {
        for (int col = 0; col < 7; ++col) {
            const std::size_t at = static_cast<std::size_t>(col) * 10;
            if (at >= lines[i].size() || lines[i].substr(at, 2) == "  ") continue;
            Cell c{0, 0, 0, col};
            char slash = 0;
            std::istringstream in(lines[i].substr(at, 8));
            in >> c.day >> c.gregorian_day >> slash >> c.gregorian_month;
            EXPECT_EQ(slash, '/') << lines[i];
            cells.push_back(c);
        }
    }
    return cells;
}

struct MonthCase {
    int year, month;
    int length;
    std::string_view english, gurmukhi, span;
};

TEST(MonthGrid, EveryDayInItsWeekdayColumnWithItsGregorianDate) {
    const MonthCase cases[] = {
        {559, 12, 31, "Phagan, Sammat 559", "ਫੱਗਣ, ਸੰਮਤ ੫੫੯", "12 Feb 2028 - 13 Mar 2028"},  // 2028 is leap
        {558, 12, 30, "Phagan, Sammat 558", "ਫੱਗਣ, ਸੰਮਤ ੫੫੮", "12 Feb 2027 - 13 Mar 2027"},
        {531, 12, 31, "Phagan, Sammat 531", "ਫੱਗਣ, ਸੰਮਤ ੫੩੧", "12 Feb 2000 - 13 Mar 2000"},
        {631, 12, 30, "Phagan, Sammat 631", "ਫੱਗਣ, ਸੰਮਤ ੬੩੧", "12 Feb 2100 - 13 Mar 2100"},
        {558, 10, 30, "Poh, Sammat 558", "ਪੋਹ, ਸੰਮਤ ੫੫੮", "14 Dec 2026 - 12 Jan 2027"},
        {558, 9, 30, "Maghar, Sammat 558", "ਮੱਘਰ, ਸੰਮਤ ੫੫੮", "14 Nov 2026 - 13 Dec 2026"},
        {1, 1, 31, "Chet, Sammat 1", "ਚੇਤ, ਸੰਮਤ ੧", "14 Mar 1469 - 13 Apr 1469"},
        {8531, 9, 30, "Maghar, Sammat 8531", "ਮੱਘਰ, ਸੰਮਤ ੮੫੩੧", "14 Nov 9999 - 13 Dec 9999"},
    };
    for (const MonthCase& c : cases) {
        SCOPED_TRACE(c.english);
        const std::vector<std::string> lines = lines_of(month_grid(c.year, c.month));
        ASSERT_GT(lines.size(), 4u);
        // Headings centred over the 68 columns of the grid.
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string_view want = i == 0 ? c.english : i == 1 ? c.gurmukhi : c.span;
            const std::size_t indent = lines[i].find_first_not_of(' ');
            EXPECT_EQ(lines[i].substr(indent), want);
            EXPECT_EQ(indent, (68 - display_width(want)) / 2);
        }
        EXPECT_EQ(lines[3], "Su        Mo        Tu        We        Th        Fr        Sa");

        const std::vector<Cell> cells = cells_of(lines);
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(c.length));
        for (int day = 1; day <= c.length; ++day) {
            const Cell& cell = cells[static_cast<std::size_t>(day - 1)];
            const CivilDate g = gregorian_of(c.year, c.month, day);
            EXPECT_EQ(cell.day, day);
            EXPECT_EQ(cell.gregorian_day, g.day) << "day " << day;
            EXPECT_EQ(cell.gregorian_month, g.month) << "day " << day;
            EXPECT_EQ(cell.column, weekday(g)) << "day " << day;
        }
        for (const std::string& line : lines) {
            EXPECT_LE(display_width(line), 68u) << line;
            EXPECT_TRUE(line.empty() || line.back() != ' ') << "trailing space: " << line;
        }
    }
}

// The look as a whole, for one month that starts on a Saturday.
TEST(MonthGrid, ChetStartingOnSaturday) {
    EXPECT_EQ(month_grid(558, 1),
              "                          Chet, Sammat 558\n"
              "                            ਚੇਤ, ਸੰਮਤ ੫੫੮\n"
              "                     14 Mar 2026 - 13 Apr 2026\n"
              "Su        Mo        Tu        We        Th        Fr        Sa\n"
              "                                                             1 14/3\n"
              " 2 15/3    3 16/3    4 17/3    5 18/3    6 19/3    7 20/3    8 21/3\n"
              " 9 22/3   10 23/3   11 24/3   12 25/3   13 26/3   14 27/3   15 28/3\n"
              "16 29/3   17 30/3   18 31/3   19 1/4    20 2/4    21 3/4    22 4/4\n"
              "23 5/4    24 6/4    25 7/4    26 8/4    27 9/4    28 10/4   29 11/4\n"
              "30 12/4   31 13/4\n");
}

TEST(DisplayWidth, GurmukhiSignsTakeNoColumnOfTheirOwn) {
    EXPECT_EQ(display_width(""), 0u);
    EXPECT_EQ(display_width("Maghar 558"), 10u);
    EXPECT_EQ(display_width("ਮੱਘਰ"), 3u);        // adhak
    EXPECT_EQ(display_width("ਚੇਤ"), 2u);         // vowel sign e
    EXPECT_EQ(display_width("ਸੰਮਤ"), 3u);        // tippi
    EXPECT_EQ(display_width("ਕਿ"), 2u);          // sihari is a spacing sign
    EXPECT_EQ(display_width("ਸ\u0A3Cਾ"), 2u);    // nukta, kanna
    EXPECT_EQ(display_width("14 Mar - 13 Apr"), 15u);
}

}  // namespace
}  // namespace tarnvel::cli
