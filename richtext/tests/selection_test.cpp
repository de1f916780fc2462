// Cutting a formatted part out of a document by plain-text offsets.
#include <gtest/gtest.h>

#include "richtext/tests/layout_check.h"
#include "richtext/tests/rtf_util.h"

namespace tarnvel::richtext {
namespace {

using test::read;
using test::well_formed;

// "Help0", line break, "Text", line break, "Help0", with "Te" bold and the middle paragraph
// centred; a font table for the part to carry.
const char* const kHelp = R"({\rtf1{\fonttbl{\f0 Arial;}}Help0\par\pard\qc {\b Te}xt\par\pard Help0})";

// The formats of each character are the slice test's; here the paragraphs a section ends with.
TEST(Selection, HelpSectionEndsWithTheControlsEmptyParagraph) {
    const Document d = read(kHelp);
    ASSERT_EQ(d.text, u"Help0\r\nText\r\nHelp0");
    const Document part = d.selection(7, 6);
    EXPECT_EQ(part.text, u"Text\r\n");
    EXPECT_TRUE(well_formed(part));
    ASSERT_EQ(part.paragraphs.size(), 2u);  // "Text" with its mark, then the control's empty last one
    EXPECT_EQ(part.paragraphs[1].start, 6u);
    EXPECT_EQ(part.paragraphs[1].end, 6u);
    ASSERT_EQ(d.fonts.size(), 1u);
    EXPECT_EQ(part.fonts, d.fonts);
}

TEST(Selection, OutOfRangeIsClampedAlsoInAnEmptyDocument) {
    const Document d = read(kHelp);
    struct Case {
        std::int64_t start, length;
        std::u16string_view text;
    } cases[] = {
        {-5, 7, u"He"},  {100, 5, u""},     {3, -2, u""},
        {0, INT64_MAX, u"Help0\r\nText\r\nHelp0"}, {16, 10, u"p0"}, {INT64_MAX, INT64_MAX, u""},
        {INT64_MIN, INT64_MAX, u""},
    };
    for (const auto& c : cases) {
        const Document part = d.selection(c.start, c.length);
        EXPECT_EQ(part.text, c.text) << c.start << "," << c.length;
        EXPECT_TRUE(well_formed(part));
    }
    const Document none = read(R"({\rtf1})").selection(0, 10);  // an empty document
    EXPECT_EQ(none.text, u"");
    EXPECT_TRUE(well_formed(none));
}

// Every start and length over a document with line breaks, empty paragraphs and mixed formats:
// the text is the slice, the layout is sound (so a piece of a mark is plain text, not a paragraph
// of its own), and each character keeps its formats.
TEST(Selection, EverySliceKeepsTextAndFormats) {
    const Document d = read(
        R"({\rtf1\pard\qr {\b ab}c\line d\par\par\pard\li200 {\i e\tab }\u2676?\par\pard\qc {\ul fg}\par})");
    ASSERT_EQ(d.text, u"abc\r\nd\r\n\r\ne\t\u0A74\r\nfg");
    const auto n = static_cast<std::int64_t>(d.text.size());
    for (std::int64_t s = 0; s <= n; ++s) {
        for (std::int64_t len = 0; s + len <= n; ++len) {
            const Document part = d.selection(s, len);
            ASSERT_EQ(part.text, d.text.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(len)));
            ASSERT_TRUE(well_formed(part)) << s << "," << len;
            for (std::uint32_t i = 0; i < part.text.size(); ++i) {
                const auto o = static_cast<std::uint32_t>(s) + i;
                ASSERT_EQ(part.format_at(i), d.format_at(o)) << s << "," << len << " at " << i;
                if (part.text[i] != u'\r' && part.text[i] != u'\n') {
                    ASSERT_EQ(part.paragraph_at(i).format, d.paragraph_at(o).format) << s << "," << len;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tarnvel::richtext
