#include <gtest/gtest.h>

#include "calendar/event_finder.h"
#include "calendar/nanakshahi_date.h"
#include "cli/dates.h"
#include "cli/script_text.h"
#include "gurmukhi/gurmukhi.h"

namespace tarnvel::cli {
namespace {

// The lines made from pieces are the conversion's own lines: English and the GurbaniLipi
// encoding for every day; Unicode for every day of some years and 1 Chet of every year
// (all day and year numbers, all month names).
TEST(ScriptText, LinesAreTheConversionsLines) {
    const ScriptText& english = script_text(Script::English);
    const ScriptText& legacy = script_text(Script::Legacy);
    const ScriptText& gurmukhi = script_text(Script::Gurmukhi);
    int failures = 0;
    for (CivilDate g = FirstDate; in_calendar(g) && failures < 5; g = next_day(g)) {
        const NanakshahiFields f = nanakshahi_fields(g);
        const bool sampled = f.year <= 3 || (f.year >= 555 && f.year <= 560) || (f.day == 1 && f.month == 1);
        if (english.line(f) != english_line(f) || legacy.line(f) != gurmukhi_line(f) ||
            (sampled && gurmukhi.line(f) != gurmukhi::legacy_to_unicode(gurmukhi_line(f)))) {
            ++failures;
            ADD_FAILURE() << english_line(f) << " / " << gurmukhi.line(f);
        }
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(gurmukhi.line({22, 9, 558}), "੨੨ ਮੱਘਰ, ਸੰਮਤ ੫੫੮ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ");
    EXPECT_EQ(gurmukhi.month_and_year(1, 1234567890), "ਚੇਤ, ਸੰਮਤ ੧੨੩੪੫੬੭੮੯੦");
    EXPECT_EQ(english.month_and_year(12, 559), "Phagan, Sammat 559");
    EXPECT_EQ(legacy.number(-12), "-12");
}

TEST(ScriptText, ObservancesAndTheNewYearInEachScript) {
    EXPECT_TRUE(every_observance_has_a_gurmukhi_name());
    const ScriptText& gurmukhi = script_text(Script::Gurmukhi);
    const ScriptText& legacy = script_text(Script::Legacy);
    EXPECT_EQ(gurmukhi.observance(Observances[0]), "ਵੈਸਾਖੀ");
    EXPECT_EQ(gurmukhi.observance(Observances[1]), "ਪ੍ਰਕਾ\u0A38\u0A3C ਪੁਰਬ - ਗੁਰੂ ਨਾਨਕ ਸਾਹਿਬ");
    EXPECT_EQ(legacy.observance(Observances[0]), "vYswKI");
    EXPECT_EQ(script_text(Script::English).observance(Observances[1]), "Parkash Purab - Guru Nanak Sahib");
    EXPECT_EQ(gurmukhi.new_year(), "ਨਵਾਂ ਸਾਲ");
    // A name the table does not know stays in English.
    const Observance other{5, 1, "Some Day", ""};
    EXPECT_EQ(gurmukhi.observance(other), "Some Day");
}

}  // namespace
}  // namespace tarnvel::cli
