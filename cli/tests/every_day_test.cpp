// The command's lines for every day of the calendar against the conversion, and every writer's
// answer to a stream that fails.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/dates.h"
#include "cli/ics_writer.h"
#include "cli/json_output.h"
#include "cli/range_writer.h"
#include "cli/unicode_filter.h"
#include "gurmukhi/gurmukhi.h"
#include "run_result.h"

namespace tarnvel::cli {
namespace {

using testing::lines_of;

// A thousand days a run: each Gregorian date gives its date line, and the lines given back give
// the Gregorian dates.
TEST(EveryDay, ForwardAndBackThroughTheCommand) {
    int failures = 0;
    for (CivilDate g = FirstDate; in_calendar(g) && failures < 5;) {
        std::vector<std::string> iso;
        std::string lines, dates;
        for (; in_calendar(g) && iso.size() < 1000; g = next_day(g)) {
            iso.push_back(iso_date(g));
            lines += english_line(nanakshahi_fields(g)) + '\n';
            dates += iso.back() + '\n';
        }
        const auto forward = testing::run_with(std::vector<std::string_view>(iso.begin(), iso.end()));
        const std::vector<std::string> back_args = lines_of(forward.out);
        const auto back = testing::run_with(std::vector<std::string_view>(back_args.begin(), back_args.end()));
        if (forward.out != lines || back.out != dates) ADD_FAILURE() << ++failures << ": from " << iso.front();
    }
}

// Also the script's pieces (the GurbaniLipi encoding every day, Unicode on 1 Chet of every year
// and every day of some; the English line is the one printed above), and the streamed range over
// four centuries (1900 and 2100 common, 2000 leap; far more than one output buffer).
TEST(EveryDay, ScriptLinesAndTheStreamedRange) {
    const ScriptText& legacy = script_text(Script::Legacy);
    const ScriptText& gurmukhi = script_text(Script::Gurmukhi);
    int failures = 0;
    for (CivilDate g = FirstDate; in_calendar(g) && failures < 5; g = next_day(g)) {
        const NanakshahiFields f = nanakshahi_fields(g);
        const bool sampled = f.year <= 3 || (f.year >= 555 && f.year <= 560) || (f.day == 1 && f.month == 1);
        if (legacy.line(f) != gurmukhi_line(f) ||
            (sampled && gurmukhi.line(f) != gurmukhi::legacy_to_unicode(gurmukhi_line(f))))
            ADD_FAILURE() << ++failures << ": " << english_line(f) << " / " << gurmukhi.line(f);
    }

    const CivilDate from{1899, 12, 25}, to{2300, 3, 20};
    std::ostringstream out;
    ASSERT_TRUE(write_range(out, from, to));
    CivilDate g = from;
    std::int64_t count = 0;
    for (const std::string& line : lines_of(out.str())) {
        const NanakshahiFields f = nanakshahi_fields(g);
        ASSERT_EQ(line, iso_date(g) + '\t' + std::to_string(f.day) + '\t' + std::to_string(f.month) + '\t' +
                            std::to_string(f.year) + '\t' + english_line(f)) << "line " << count;
        g = next_day(g), ++count;
    }
    EXPECT_EQ(count, days_from_civil(to) - days_from_civil(from) + 1);
    std::ostringstream last;
    ASSERT_TRUE(write_range(last, LastDate, LastDate));
    EXPECT_EQ(last.str(), "9999-12-31\t18\t10\t8531\t18 Poh, Sammat 8531 Nanakshahi\n");
}

// Each writer reports it; the status and message that follow are checked on a full disk.
TEST(EveryDay, AFailedWriteIsReported) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    const CivilDate from{2026, 1, 1}, to{2026, 12, 31};
    EXPECT_FALSE(write_range(out, from, to));
    EXPECT_FALSE(write_range(out, from, to, Script::Gurmukhi));
    EXPECT_FALSE(write_json_range(out, from, to));
    EXPECT_FALSE(write_ics(out, {from, to, true, 0}));
    std::istringstream text("cyq\n");
    EXPECT_EQ(convert_stream(text, out), FilterStatus::WriteError);
}

}  // namespace
}  // namespace tarnvel::cli
