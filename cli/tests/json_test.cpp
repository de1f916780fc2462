#include <gtest/gtest.h>

#include <sstream>

#include "calendar/event_finder.h"
#include "cli/json_output.h"
#include "run_result.h"

namespace tarnvel::cli {
namespace {

using testing::run_with;

constexpr std::string_view Day =
    "{\"gregorian\":\"2026-12-05\",\"weekday\":\"Saturday\",\"day\":22,\"month\":9,\"month_name\":\"Maghar\","
    "\"month_name_gurmukhi\":\"ਮੱਘਰ\",\"year\":558,\"line\":\"22 Maghar, Sammat 558 Nanakshahi\","
    "\"line_gurmukhi\":\"੨੨ ਮੱਘਰ, ਸੰਮਤ ੫੫੮ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ\"}\n";

TEST(Json, ADayAsOneObjectALine) {
    EXPECT_EQ(run_with({"--json"}).out, Day);
    EXPECT_EQ(run_with({"--json", "22 Maghar 558", "2026-12-05"}).out, std::string(Day) + std::string(Day));
    EXPECT_EQ(run_with({"2026-12-05", "--json"}).out, Day);
}

// The streamed range is the objects of its days, one a line.
TEST(Json, ARangeIsTheObjectsOfItsDays) {
    const CivilDate from{2027, 2, 20}, to{2028, 3, 20};
    std::ostringstream out;
    ASSERT_TRUE(write_json_range(out, from, to));
    std::istringstream in(out.str());
    CivilDate g = from;
    std::size_t n = 0;
    for (std::string line; std::getline(in, line); g = next_day(g), ++n) {
        const CivilDate one[] = {g};
        ASSERT_EQ(line + "\n", json_days(one)) << n;
    }
    EXPECT_EQ(n, 395u);
    EXPECT_EQ(run_with({"--range", "2026-12-05", "2026-12-05", "--json"}).out, Day);
}

TEST(Json, ComingEventsCarryTheirNamesAndDays) {
    const auto r = run_with({"--upcoming", "2", "--json"}, {2027, 3, 14});
    EXPECT_EQ(r.out,
              "{\"gregorian\":\"2027-03-14\",\"weekday\":\"Sunday\",\"day\":1,\"month\":1,\"month_name\":\"Chet\","
              "\"month_name_gurmukhi\":\"ਚੇਤ\",\"year\":559,\"line\":\"1 Chet, Sammat 559 Nanakshahi\","
              "\"line_gurmukhi\":\"੧ ਚੇਤ, ਸੰਮਤ ੫੫੯ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ\",\"event\":\"New Year\","
              "\"event_gurmukhi\":\"ਨਵਾਂ ਸਾਲ\",\"days\":0}\n"
              "{\"gregorian\":\"2027-04-14\",\"weekday\":\"Wednesday\",\"day\":1,\"month\":2,\"month_name\":\"Vaisakh\","
              "\"month_name_gurmukhi\":\"ਵੈਸਾਖ\",\"year\":559,\"line\":\"1 Vaisakh, Sammat 559 Nanakshahi\","
              "\"line_gurmukhi\":\"੧ ਵੈਸਾਖ, ਸੰਮਤ ੫੫੯ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ\",\"event\":\"Vaisakhi\","
              "\"event_gurmukhi\":\"ਵੈਸਾਖੀ\",\"days\":31}\n");
}

TEST(Json, Strings) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", "\"\""},
        {"plain", "\"plain\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\b", "\"a\\\\b\""},
        {"line\nbreak\ttab\x01", "\"line\\u000abreak\\u0009tab\\u0001\""},
        {"ਚੇਤ", "\"ਚੇਤ\""},
    };
    for (const auto& [text, json] : cases) {
        std::string out;
        append_json_string(out, text);
        EXPECT_EQ(out, json);
    }
}

}  // namespace
}  // namespace tarnvel::cli
