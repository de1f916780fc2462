// Documents written by LibreOffice Writer, pandoc and AbiWord (made by fixtures/make-fixtures.sh).
#include <gtest/gtest.h>

#include "richtext/load.h"
#include "richtext/tests/layout_check.h"
#include "richtext/tests/rtf_util.h"
#include "richtext/tests/temp_dir.h"

namespace tarnvel::richtext {
namespace {

const std::string kDir = TARNVEL_RICHTEXT_FIXTURES;

Document load(const std::string& name) {
    auto r = load_file(kDir + "/" + name);
    EXPECT_TRUE(r) << r.message;
    EXPECT_TRUE(test::well_formed(r.document));
    return std::move(r.document);
}

// LibreOffice's text export: a byte-order mark, LF after every paragraph, the last one included.
std::string as_libreoffice_text(std::u16string_view text) {
    std::string out = "\xEF\xBB\xBF";
    const std::string utf8 = to_utf8(text);
    for (std::size_t i = 0; i < utf8.size(); ++i)
        if (!(utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')) out += utf8[i];
    return out + "\n";
}

// Where the rules of the classic control and LibreOffice agree (no lists, tables or pictures), the
// plain text is LibreOffice's own, break for break.
TEST(Fixtures, PlainTextMatchesLibreOfficeExport) {
    for (const char* name : {"lo-text", "abiword-doc"}) {
        const Document d = load(std::string(name) + ".rtf");
        EXPECT_EQ(as_libreoffice_text(d.text), test::ReadFile(kDir + "/" + name + ".txt")) << name;
    }
}

// Lists, tables and a picture, counted by the control's rules: list numbers written as
// \listtext are not text, cells end with TAB and rows with a line break, a picture is one place.
TEST(Fixtures, StructuresCountedAsTheControlDoes) {
    EXPECT_EQ(to_utf8(load("lo-structures.rtf").text),
              "Before\r\nfirst item\r\nsecond item\r\na1\tb1\t\r\na2\tb2\t\r\n"
              "Picture \uFFFC here\r\nAfter");
    // pandoc writes list numbers as text and a paragraph mark inside each cell.
    EXPECT_EQ(to_utf8(load("pandoc-doc.rtf").text),
              "Tarnvel0\r\nBold and italic and code, with \u0A17\u0A41\u0A30\u0A2E\u0A41\u0A16\u0A40 text."
              "\r\n1.\tone\r\n2.\ttwo\r\nA \tB \t\r\na1 \tb1 \t\r\n\r\nTarnvel0");
}

using test::format_of;

TEST(Fixtures, FormattingOfLibreOfficeAndPandoc) {
    const Document d = load("lo-text.rtf");
    EXPECT_TRUE(format_of(d, u"bold").bold);
    EXPECT_FALSE(format_of(d, u"bold").italic);
    EXPECT_TRUE(format_of(d, u"italic").italic);
    EXPECT_TRUE(format_of(d, u"under").underline);
    EXPECT_EQ(format_of(d, u"red").color, 0xC00000u);
    EXPECT_EQ(format_of(d, u"Plain").color, kAutoColor);

    const CharFormat legacy = format_of(d, u"cyq vYswK");
    ASSERT_GE(legacy.font, 0);
    EXPECT_EQ(d.fonts[static_cast<std::size_t>(legacy.font)].name, "GurbaniLipi");
    EXPECT_TRUE(d.fonts[static_cast<std::size_t>(legacy.font)].legacy_gurmukhi);
    EXPECT_FALSE(d.fonts[static_cast<std::size_t>(format_of(d, u" ends").font)].legacy_gurmukhi);

    const auto gurmukhi = static_cast<std::uint32_t>(d.text.find(u"\u0A38\u0A24\u0A3F"));
    EXPECT_EQ(d.paragraph_at(gurmukhi).format.alignment, Alignment::Center);
    EXPECT_EQ(d.paragraph_at(gurmukhi).format.left_indent, 1440);
    EXPECT_EQ(d.paragraph_at(gurmukhi).format.space_after, 283);
    const auto lines = static_cast<std::uint32_t>(d.text.find(u"line one\r\nline two"));
    EXPECT_EQ(d.paragraph_at(lines).format.alignment, Alignment::Right);
    EXPECT_EQ(d.paragraph_at(lines).end, lines + 20);  // one paragraph, the break is a \line

    const Document pandoc = load("pandoc-doc.rtf");
    EXPECT_TRUE(format_of(pandoc, u"Bold").bold);
    EXPECT_TRUE(format_of(pandoc, u"italic").italic);
    const CharFormat code = format_of(pandoc, u"code");
    ASSERT_GE(code.font, 0);
    EXPECT_EQ(pandoc.fonts[static_cast<std::size_t>(code.font)].name, "Courier");
}

}  // namespace
}  // namespace tarnvel::richtext
