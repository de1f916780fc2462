#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "calendar/nanakshahi_date.h"
#include "cli/dates.h"
#include "cli/range_writer.h"

namespace tarnvel::cli {
namespace {

std::vector<std::string> range_lines(CivilDate from, CivilDate to) {
    std::ostringstream out;
    EXPECT_TRUE(write_range(out, from, to));
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_TRUE(out.str().empty() || out.str().back() == '\n');
    return lines;
}

TEST(Range, LeapYearPhaganAndNewYear) {
    const std::vector<std::string> lines = range_lines({2028, 2, 28}, {2028, 3, 15});
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "2028-02-28\t17\t12\t559\t17 Phagan, Sammat 559 Nanakshahi");
    EXPECT_EQ(lines[1], "2028-02-29\t18\t12\t559\t18 Phagan, Sammat 559 Nanakshahi");
    EXPECT_EQ(lines[2], "2028-03-01\t19\t12\t559\t19 Phagan, Sammat 559 Nanakshahi");
    EXPECT_EQ(lines[14], "2028-03-13\t31\t12\t559\t31 Phagan, Sammat 559 Nanakshahi");
    EXPECT_EQ(lines[15], "2028-03-14\t1\t1\t560\t1 Chet, Sammat 560 Nanakshahi");
    EXPECT_EQ(lines[16], "2028-03-15\t2\t1\t560\t2 Chet, Sammat 560 Nanakshahi");
}

TEST(Range, CommonYearPhaganEndsOnThirty) {
    const std::vector<std::string> lines = range_lines({2100, 2, 28}, {2100, 3, 14});
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[1], "2100-03-01\t18\t12\t631\t18 Phagan, Sammat 631 Nanakshahi");
    EXPECT_EQ(lines[13], "2100-03-13\t30\t12\t631\t30 Phagan, Sammat 631 Nanakshahi");
    EXPECT_EQ(lines[14], "2100-03-14\t1\t1\t632\t1 Chet, Sammat 632 Nanakshahi");
}

TEST(Range, SingleDayAndTheEndsOfTheCalendar) {
    EXPECT_EQ(range_lines(FirstDate, FirstDate),
              std::vector<std::string>{"1469-03-14\t1\t1\t1\t1 Chet, Sammat 1 Nanakshahi"});
    const std::vector<std::string> last = range_lines({9999, 12, 30}, LastDate);
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[1], "9999-12-31\t18\t10\t8531\t18 Poh, Sammat 8531 Nanakshahi");
}

// Every line of four centuries (1900 and 2100 common, 2000 leap; far more than one
// output buffer) against the conversion done date by date.
TEST(Range, AgreesWithTheConversionDayByDay) {
    const CivilDate from{1899, 12, 25}, to{2300, 3, 20};
    std::ostringstream out;
    ASSERT_TRUE(write_range(out, from, to));
    std::istringstream in(out.str());
    CivilDate g = from;
    std::int64_t count = 0;
    for (std::string line; std::getline(in, line); g = next_day(g), ++count) {
        const NanakshahiFields f = nanakshahi_fields(g);
        const std::string expected = iso_date(g) + '\t' + std::to_string(f.day) + '\t' + std::to_string(f.month) +
                                     '\t' + std::to_string(f.year) + '\t' + english_line(f);
        ASSERT_EQ(line, expected) << "line " << count;
    }
    EXPECT_EQ(count, days_from_civil(to) - days_from_civil(from) + 1);
}

}  // namespace
}  // namespace tarnvel::cli
