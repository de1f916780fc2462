// The formats in documents written by LibreOffice Writer and pandoc (made by fixtures/make-fixtures.sh).
// Their plain text, and that of other writers' files, is the rtf_corpus check's (tests/rtf-corpus).
#include <gtest/gtest.h>

#include "richtext/load.h"
#include "richtext/tests/layout_check.h"
#include "richtext/tests/rtf_util.h"

namespace tarnvel::richtext {
namespace {

const std::string kDir = TARNVEL_RICHTEXT_FIXTURES;

Document load(const std::string& name) {
    auto r = load_file(kDir + "/" + name);
    EXPECT_TRUE(r) << r.message;
    EXPECT_TRUE(test::well_formed(r.document));
    return std::move(r.document);
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
