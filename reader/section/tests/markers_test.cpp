// The markers the reader asks for, what they mean to people, and the author's checks.
#include <gtest/gtest.h>

#include <set>

#include "reader/section/section.h"

namespace tarnvel::section {
namespace {

TEST(Markers, TableHoldsEveryChoiceOfTheMenusAndEveryDay) {
    const auto& all = all_markers();
    EXPECT_EQ(all.size(), 12u + 12u + 4u + 366u);
    std::set<std::string> texts;
    for (const auto& m : all) texts.insert(m.text());
    EXPECT_EQ(texts.size(), all.size());
    for (const char* t : {"Month1", "Month12", "Month_Akhaan1", "Month_Akhaan12", "Help0",
                          "Nanakshahi_Calendar0", "Orvanta0", "Tarnvel0"}) {
        ASSERT_NE(find_marker(t), nullptr) << t;
        EXPECT_EQ(find_marker(t)->file, DocumentFile::One) << t;
    }
    for (const char* t : {"JANUARY01", "FEBRUARY29", "MAY05", "DECEMBER31"}) {
        ASSERT_NE(find_marker(t), nullptr) << t;
        EXPECT_EQ(find_marker(t)->file, DocumentFile::Two) << t;
    }
    for (const char* t : {"Month0", "Month13", "Month01", "FEBRUARY30", "APRIL31", "MAY5", "help0"})
        EXPECT_EQ(find_marker(t), nullptr) << t;
    EXPECT_EQ(find_marker("MAY05")->break_name, "MAY");
    EXPECT_EQ(find_marker("MAY05")->break_point, "05");
    EXPECT_EQ(find_marker("Month7")->break_point, "7");
}

TEST(Markers, DescriptionsAndNotice) {
    EXPECT_EQ(describe(*find_marker("Month1")), "the Baramah of Chet");
    EXPECT_EQ(describe(*find_marker("Month_Akhaan12")), "the Akhaan of Phagan");
    EXPECT_EQ(describe(*find_marker("MAY05")), "the history entry for 5 May");
    EXPECT_EQ(describe(*find_marker("Help0")), "the help page");
    EXPECT_EQ(missing_notice(*find_marker("FEBRUARY29")),
              "The history entry for 29 February is not in Two.rtf (no \"FEBRUARY29\" marker).");
}

// Markers outside the table (a month 0 before the date is known, a day that does not exist)
// are named by their text rather than read as a month or day number.
TEST(Markers, MarkersOutsideTheTableAreNamedByTheirText) {
    const Marker cases[] = {{"Month", "0", DocumentFile::One},
                            {"Month_Akhaan", "13", DocumentFile::One},
                            {"FEBRUARY", "30", DocumentFile::Two},
                            {"SOMEWHERE", "x", DocumentFile::Two}};
    for (const Marker& m : cases) {
        EXPECT_EQ(describe(m), "the section \"" + m.text() + "\"");
        EXPECT_EQ(missing_notice(m).substr(0, 13), "The section \"") << m.text();
    }
}

// Found by fuzzing: a table marker's text split elsewhere ("Hel" + "p0") threw from the number
// parse, or read past the month names.
TEST(Markers, ATableMarkerSplitElsewhereMeansTheSame) {
    const Marker cases[] = {{"Hel", "p0", DocumentFile::One},
                            {"Mont", "h1", DocumentFile::One},
                            {"", "Month_Akhaan12", DocumentFile::One},
                            {"MAY0", "5", DocumentFile::Two},
                            {"FEBRUARY29", "", DocumentFile::Two}};
    for (const Marker& m : cases) {
        const Marker* known = find_marker(m.text());
        ASSERT_NE(known, nullptr) << m.text();
        EXPECT_EQ(describe(m), describe(*known)) << m.text();
        EXPECT_EQ(missing_notice(m), missing_notice(*known)) << m.text();
    }
}

TEST(Markers, CheckFindsTheMonth1Traps) {
    const Marker& month1 = *find_marker("Month1");
    struct Case {
        const char* name;
        std::u16string_view text;
        bool present, closed;
        const char* opening;
        const char* closing;
    } cases[] = {
        {"Sound", u"Month1\r\nChet\r\nMonth1\r\nMonth10\r\nPoh\r\nMonth10", true, true, "", ""},
        {"OpeningIsMonth10", u"Month10\r\nPoh\r\nMonth10\r\nMonth1\r\nChet\r\nMonth1", true, true, "Month10",
         "Month10"},
        {"ClosingIsMonth12", u"Month1\r\nChet\r\nMonth12\r\nPhagan\r\nMonth12", true, true, "", "Month12"},
        {"NotClosed", u"Month1\r\nChet\r\n", true, false, "", ""},
        {"Missing", u"Month2\r\nVaisakh\r\nMonth2", false, false, "", ""},
        // Month_Akhaan1 is not the marker Month1 followed by anything: no trap there.
        {"OtherFamilyIsNoTrap", u"Month_Akhaan1\r\nx\r\nMonth_Akhaan1\r\nMonth1\r\nChet\r\nMonth1", true, true,
         "", ""},
    };
    for (const auto& c : cases) {
        const MarkerCheck check = check_marker(c.text, month1);
        EXPECT_EQ(check.present, c.present) << c.name;
        EXPECT_EQ(check.closed, c.closed) << c.name;
        EXPECT_EQ(check.opening_taken_by, c.opening) << c.name;
        EXPECT_EQ(check.closing_taken_by, c.closing) << c.name;
        EXPECT_EQ(check.sound(), c.present && c.closed && !*c.opening && !*c.closing) << c.name;
    }
    const MarkerCheck akhaan = check_marker(u"Month_Akhaan1\r\nx\r\nMonth_Akhaan11", *find_marker("Month_Akhaan1"));
    EXPECT_EQ(akhaan.closing_taken_by, "Month_Akhaan11");
}

}  // namespace
}  // namespace tarnvel::section
