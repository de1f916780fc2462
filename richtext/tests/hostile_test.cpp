// Input meant to break a reader: it must end, quickly, with what could be read.
#include <gtest/gtest.h>

#include <chrono>

#include "richtext/tests/layout_check.h"
#include "richtext/tests/rtf_util.h"
#include "richtext/tests/temp_dir.h"

namespace tarnvel::richtext {
namespace {

using namespace std::literals;
using test::plain;
using test::read;
using test::well_formed;

// What lies deeper than the limit is dropped, exactly there, and a million groups deep, closed
// or never closed, end quickly.
TEST(Hostile, DeepGroups) {
    const auto nested = [](std::size_t groups) {
        return "{\\rtf1 a" + std::string(groups - 1, '{') + "x" + std::string(groups - 1, '}') + "y}";
    };
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(plain(nested(kMaxGroupDepth)), "axy");
    EXPECT_EQ(plain(nested(kMaxGroupDepth + 1)), "ay");
    EXPECT_EQ(plain(nested(1'000'000)), "ay");
    EXPECT_EQ(plain("{\\rtf1 a" + std::string(1'000'000, '{') + "b"), "a");
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
}

TEST(Hostile, BoundedNumbersAndLengths) {
    const struct {
        std::string rtf;
        std::string_view text;
    } cases[] = {
        {"{\\rtf1 a\\bin2147483647 xyz", "a"},
        {"{\\rtf1 a\\bin99999999999999999999 xyz}", "a"},
        {"{\\rtf1 a\\bin-5 b}", "ab"},
        {"{\\rtf1 \\u99999999999999999999999999?b}", "\uffff" "b"},  // saturates at 2147483647
        {"{\\rtf1 \\u-99999999999?b}", "\uFFFD" "b"},  // -2147483648, a unit of 0
        {"{\\rtf1\\uc2147483647 \\u65?bcd}efg}", "A"},
        {"{\\rtf1 \\fs99999999999999 \\li-99999999999 \\cf2147483647 \\f-2147483648 a}", "a"},
        {"{\\rtf1 \\'4", ""},
        {"{\\rtf1 a\\'", "a"},
        {"{\\rtf1 \\'zz", "zz"},
        {"{\\rtf1 \\", ""},
        {"{\\rtf1 \\u", ""},  // no number: no character
        {"{\\rtf1 \\" + std::string(200'000, 'q') + " a}", "a"},  // a control word longer than any buffer
        {"{\\rtf1{\\fonttbl{\\f2147483647 A;}{\\f-2147483648 B;}}\\f2147483647 x\\f-2147483648 y}", "xy"},
    };
    for (const auto& c : cases) {
        const Document doc = read(c.rtf);
        EXPECT_EQ(to_utf8(doc.text), c.text) << c.rtf.substr(0, 60);
        EXPECT_TRUE(well_formed(doc)) << c.rtf.substr(0, 60);
    }
}

// Tables keep a bounded number of entries however long they are, and a document that uses a
// font or colour beyond them still reads its text.
TEST(Hostile, HundredThousandFontsAndColours) {
    std::string rtf = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 100'000; ++i) rtf += "{\\f" + std::to_string(i) + "\\fcharset2 F" + std::to_string(i) + ";}";
    rtf += "}{\\colortbl" + std::string(100'000, ';') + "}";
    rtf += "{\\f4095\\cf4095 a}{\\f4096\\cf4096 b}{\\f99999\\cf99999 c}}";
    const auto doc = parse_rtf(rtf);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->fonts.size(), static_cast<std::size_t>(kMaxTableEntries));
    EXPECT_EQ(to_utf8(doc->text), "\uF061bc");  // f4095 is a kept symbol font
    EXPECT_EQ(doc->format_at(0).font, 4095);
    EXPECT_EQ(doc->format_at(1).font, -1);
    EXPECT_EQ(doc->format_at(2).color, kAutoColor);
    EXPECT_TRUE(well_formed(*doc));
    // A name longer than any face name is cut.
    const auto named = parse_rtf("{\\rtf1{\\fonttbl{\\f0 " + std::string(100'000, 'n') + ";}}a}");
    ASSERT_TRUE(named);
    EXPECT_EQ(named->fonts.at(0).name.size(), 256u);
}

// Any prefix of a real document reads as a prefix of its text; only the last unit may differ
// (a \uN cut inside its number).
TEST(Hostile, TruncatedDocumentGivesWhatWasRead) {
    const std::string whole = test::ReadFile(TARNVEL_RICHTEXT_FIXTURES "/lo-text.rtf");
    ASSERT_FALSE(whole.empty());
    const std::u16string full = read(whole).text;
    for (std::size_t n = 5; n <= whole.size(); ++n) {
        const auto doc = parse_rtf(std::string_view(whole).substr(0, n));
        ASSERT_TRUE(doc);
        ASSERT_TRUE(well_formed(*doc)) << n;
        const std::u16string& t = doc->text;
        const std::size_t keep = t.empty() ? 0 : t.size() - 1;
        ASSERT_LE(t.size(), full.size() + 2) << n;
        ASSERT_EQ(t.substr(0, keep), full.substr(0, keep)) << n;
    }
}

}  // namespace
}  // namespace tarnvel::richtext
