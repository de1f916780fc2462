// Which part of the plain text a marker selects, the markers the reader asks for, and the
// author's checks.
#include <gtest/gtest.h>

#include <set>

#include "reader/section/section.h"

namespace tarnvel::section {
namespace {

TEST(Cut, Sections) {
    const struct {
        std::u16string_view text, marker;
        bool found, closed;
        std::u16string_view section;
    } cases[] = {
        {u"intro\r\nMonth3\r\nChet\r\nMonth3\r\nrest", u"Month3", true, true, u"Chet\r\n"},
        // Month1 is a prefix of Month10: the first "Month1" in the text decides, whatever follows it
        // ("0" and CR then taken for the line break).
        {u"Month10\r\nPoh\r\nMonth10\r\nMonth1\r\nChet\r\nMonth1", u"Month1", true, true, u"\nPoh\r\n"},
        {u"Month1\r\nChet\r\nMonth10\r\nPoh\r\nMonth10", u"Month1", true, true, u"Chet\r\n"},
        {u"Month1\r\nChet\r\nMonth1\r\nMonth10\r\nPoh\r\nMonth10", u"Month10", true, true, u"Poh\r\n"},
        {u"X0\r\na\r\nX0\r\nb\r\nX0", u"X0", true, true, u"a\r\n"},
        // Not closed: up to, not including, the last character of the text.
        {u"X0\r\nabc\r\ndef", u"X0", true, false, u"abc\r\nde"},
        {u"help0\r\nx\r\nHelp0\r\ny\r\nHelp0", u"Help0", true, true, u"y\r\n"},
        // Degenerate places: never a negative length or a start past the end.
        {u"abcX0", u"X0", true, false, u""}, {u"X0X0tail", u"X0", true, true, u""}, {u"X0", u"X0", true, false, u""},
        {u"X0\r", u"X0", true, false, u""},  {u"Help0\r\nText\r\nHelp0", u"Tarnvel0", false, false, u""},
        {u"", u"Help0", false, false, u""},  {u"some text", u"", false, false, u""},
    };
    for (const auto& c : cases) {
        const Cut cut = cut_section(c.text, c.marker);
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(cut.found, c.found);
        EXPECT_EQ(cut.closed, c.closed);
        ASSERT_GE(cut.length, 0);
        ASSERT_LE(cut.start + cut.length, static_cast<std::int64_t>(c.text.size()));
        EXPECT_EQ(c.text.substr(static_cast<std::size_t>(cut.start), static_cast<std::size_t>(cut.length)), c.section);
    }
}

TEST(Markers, EveryChoiceOfTheMenusAndEveryDay) {
    const auto& all = all_markers();
    EXPECT_EQ(all.size(), 12u + 12u + 4u + 366u);
    std::set<std::string> texts;
    for (const auto& m : all) texts.insert(m.text());
    EXPECT_EQ(texts.size(), all.size());
    for (const char* t : {"Month1", "Month12", "Month_Akhaan1", "Month_Akhaan12", "Help0", "Nanakshahi_Calendar0",
                          "Orvanta0", "Tarnvel0", "JANUARY01", "FEBRUARY29", "MAY05", "DECEMBER31"}) {
        ASSERT_NE(find_marker(t), nullptr) << t;
        const bool day = std::string_view(t).find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string_view::npos;
        EXPECT_EQ(find_marker(t)->file, day ? DocumentFile::Two : DocumentFile::One) << t;  // days: in capitals
    }
    for (const char* t : {"Month0", "Month13", "Month01", "FEBRUARY30", "APRIL31", "MAY5", "help0"})
        EXPECT_EQ(find_marker(t), nullptr) << t;
}

TEST(Markers, DescriptionsAndNotices) {
    const std::pair<const char*, const char*> described[] = {
        {"Month1", "the Baramah of Chet"}, {"Month_Akhaan12", "the Akhaan of Phagan"},
        {"MAY05", "the history entry for 5 May"}, {"Help0", "the help page"},
        {"Nanakshahi_Calendar0", "the page about the Nanakshahi calendar"}, {"Orvanta0", "the page about Orvanta"}};
    for (const auto& [text, description] : described) EXPECT_EQ(describe(*find_marker(text)), description);
    // Outside the table (a month 0 before the date is known, a day that does not exist): named by
    // the text rather than read as a month or day number.
    for (const Marker& m : {Marker{"Month", "0"}, Marker{"Month_Akhaan", "13"}, Marker{"FEBRUARY", "30", DocumentFile::Two}}) {
        EXPECT_EQ(describe(m), "the section \"" + m.text() + "\"");
        EXPECT_EQ(missing_notice(m), "The section \"" + m.text() + "\" is not in " + std::string(file_name(m.file)) +
                                         " (no \"" + m.text() + "\" marker).");
    }
    // Found by fuzzing: a table marker's text split elsewhere ("Hel" + "p0") threw from the number
    // parse, or read past the month names.
    for (const Marker& m : {Marker{"Hel", "p0"}, Marker{"Mont", "h1"}, Marker{"", "Month_Akhaan12"},
                            Marker{"MAY0", "5", DocumentFile::Two}, Marker{"FEBRUARY29", "", DocumentFile::Two}})
        EXPECT_EQ(missing_notice(m), missing_notice(*find_marker(m.text()))) << m.text();
}

TEST(Markers, CheckFindsTheMonth1Traps) {
    const struct {
        std::u16string_view text;
        bool present, closed;
        std::string opening, closing;
    } cases[] = {
        {u"Month1\r\nChet\r\nMonth1\r\nMonth10\r\nPoh\r\nMonth10", true, true, "", ""},
        {u"Month10\r\nPoh\r\nMonth10\r\nMonth1\r\nChet\r\nMonth1", true, true, "Month10", "Month10"},
        {u"Month1\r\nChet\r\nMonth12\r\nPhagan\r\nMonth12", true, true, "", "Month12"},
        {u"Month1\r\nChet\r\n", true, false, "", ""},
        {u"Month2\r\nVaisakh\r\nMonth2", false, false, "", ""},
        // Month_Akhaan1 is not the marker Month1 followed by anything: no trap there.
        {u"Month_Akhaan1\r\nx\r\nMonth_Akhaan1\r\nMonth1\r\nChet\r\nMonth1", true, true, "", ""},
    };
    for (const auto& c : cases) {
        const MarkerCheck check = check_marker(c.text, *find_marker("Month1"));
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(check.present, c.present);
        EXPECT_EQ(check.closed, c.closed);
        EXPECT_EQ(check.opening_taken_by, c.opening);
        EXPECT_EQ(check.closing_taken_by, c.closing);
        EXPECT_EQ(check.sound(), c.present && c.closed && c.opening.empty() && c.closing.empty());
    }
    EXPECT_EQ(check_marker(u"Month_Akhaan1\r\nx\r\nMonth_Akhaan11", *find_marker("Month_Akhaan1")).closing_taken_by,
              "Month_Akhaan11");
}

}  // namespace
}  // namespace tarnvel::section
