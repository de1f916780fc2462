// Which part of the plain text a marker selects.
#include <gtest/gtest.h>

#include "reader/section/section.h"

namespace tarnvel::section {
namespace {

std::u16string_view slice(std::u16string_view text, const Cut& cut) {
    return text.substr(static_cast<std::size_t>(cut.start), static_cast<std::size_t>(cut.length));
}

TEST(Cut, HelpExample) {
    const std::u16string_view text = u"Help0\r\nText\r\nHelp0";
    const Cut cut = cut_section(text, u"Help0");
    EXPECT_TRUE(cut.found);
    EXPECT_TRUE(cut.closed);
    EXPECT_EQ(cut.c, 1);
    EXPECT_EQ(cut.f, 6);
    EXPECT_EQ(cut.e, 14);
    EXPECT_EQ(cut.start, 7);
    EXPECT_EQ(cut.length, 6);
    EXPECT_EQ(slice(text, cut), u"Text\r\n");
}

struct Case {
    const char* name;
    std::u16string_view text;
    std::u16string_view marker;
    bool found, closed;
    std::u16string_view section;
};

const Case kCases[] = {
    {"TextBeforeAndAfter", u"intro\r\nMonth3\r\nChet\r\nMonth3\r\nrest", u"Month3", true, true, u"Chet\r\n"},
    // Month1 is a prefix of Month10: the first "Month1" in the text decides, whatever follows it.
    {"PrefixMarkerFirstIsLonger", u"Month10\r\nPoh\r\nMonth10\r\nMonth1\r\nChet\r\nMonth1", u"Month1", true,
     true, u"\nPoh\r\n"},  // "0" and CR taken for the line break
    {"PrefixMarkerClosedByLonger", u"Month1\r\nChet\r\nMonth10\r\nPoh\r\nMonth10", u"Month1", true, true,
     u"Chet\r\n"},
    {"PrefixMarkerPlacedFirst", u"Month1\r\nChet\r\nMonth1\r\nMonth10\r\nPoh\r\nMonth10", u"Month10", true,
     true, u"Poh\r\n"},
    {"ThreeOccurrencesFirstTwoOnly", u"X0\r\na\r\nX0\r\nb\r\nX0", u"X0", true, true, u"a\r\n"},
    // No closing marker: up to, not including, the last character of the text.
    {"NotClosed", u"X0\r\nabc\r\ndef", u"X0", true, false, u"abc\r\nde"},
    {"CaseSensitive", u"help0\r\nx\r\nHelp0\r\ny\r\nHelp0", u"Help0", true, true, u"y\r\n"},
    // Degenerate places: never a negative length or a start past the end.
    {"MarkerAtEnd", u"abcX0", u"X0", true, false, u""},
    {"MarkersTouching", u"X0X0tail", u"X0", true, true, u""},
    {"OnlyMarker", u"X0", u"X0", true, false, u""},
    {"MarkerThenOneChar", u"X0\r", u"X0", true, false, u""},
    {"Missing", u"Help0\r\nText\r\nHelp0", u"Tarnvel0", false, false, u""},
    {"EmptyText", u"", u"Help0", false, false, u""},
};

class Cutting : public ::testing::TestWithParam<Case> {};

TEST_P(Cutting, Section) {
    const Case& c = GetParam();
    const Cut cut = cut_section(c.text, c.marker);
    EXPECT_EQ(cut.found, c.found);
    EXPECT_EQ(cut.closed, c.closed);
    EXPECT_GE(cut.length, 0);
    EXPECT_LE(cut.start + cut.length, static_cast<std::int64_t>(c.text.size()));
    EXPECT_EQ(slice(c.text, cut), c.section);
}

std::string case_name(const ::testing::TestParamInfo<Case>& p) { return p.param.name; }

INSTANTIATE_TEST_SUITE_P(Cases, Cutting, ::testing::ValuesIn(kCases), case_name);

TEST(Cut, MissingMarkerKeepsTheRawValuesAtZero) {
    const Cut cut = cut_section(u"some text", u"MAY05");
    EXPECT_FALSE(cut.found);
    EXPECT_EQ(cut.c, 0);
    EXPECT_EQ(cut.length, 0);
}

}  // namespace
}  // namespace tarnvel::section
