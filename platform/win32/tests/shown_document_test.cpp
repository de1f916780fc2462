// What a view shows of a document: hidden text left out, legacy Gurmukhi converted only where
// its font is missing, paragraphs and their marks kept; and the rich-text control showing it.
#include <gtest/gtest.h>

#include "platform/rich_text_box.h"
#include "richtext/rtf_reader.h"
#include "richtext/utf.h"
#include "platform/shown_document.h"

namespace tarnvel::platform {
namespace {

richtext::Document Read(const std::string& rtf) { return richtext::parse_rtf(rtf).value(); }

TEST(ShownDocument, ConvertsLegacyRunsWhereTheirFontIsMissingAndDropsHiddenOnes) {
    const auto doc = Read("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 GurbaniLipi;}}"
                          "{\\f1 cyq}{\\f0\\v secret} {\\b\\f0 cyq}\\par {\\f1 cyq}}");
    const struct {
        bool installed;
        std::string text;
        bool converted;
    } cases[] = {
        {false, "\u0A1A\u0A47\u0A24 cyq\r\n\u0A1A\u0A47\u0A24", true},
        {true, "cyq cyq\r\ncyq", false},
    };
    for (const auto& k : cases) {
        const ShownDocument s =
            ShowDocument(doc, [&](std::string_view f) { return k.installed && f == "GurbaniLipi"; }, "Noto Sans Gurmukhi");
        EXPECT_EQ(richtext::to_utf8(s.document.text), k.text);
        EXPECT_EQ(s.converted, k.converted);
        ASSERT_EQ(s.document.paragraphs.size(), 2u);
        // The second paragraph starts after the first one's mark, whatever the conversion did.
        EXPECT_EQ(s.document.paragraphs[1].start, s.document.paragraphs[0].end);
        EXPECT_EQ(s.document.text.substr(s.document.paragraphs[0].end - 2, 2), u"\r\n");
        const auto& gurmukhi = s.document.fonts[static_cast<std::size_t>(s.document.format_at(0).font)];
        EXPECT_EQ(gurmukhi.name, k.installed ? "GurbaniLipi" : "Noto Sans Gurmukhi");
        EXPECT_FALSE(gurmukhi.legacy_gurmukhi && !k.installed);
        // The bold run keeps its format where it now lies.
        EXPECT_TRUE(s.document.format_at(static_cast<std::uint32_t>(s.document.text.find(u" cyq") + 1)).bold);
    }
}

TEST(RichTextView, ShowsParagraphsAndLineBreaksAsLines) {
    Window w;
    RichTextBox box(w);
    const struct {
        const char* rtf;
        const char* shown;
    } cases[] = {
        {"{\\rtf1\\ansi one\\par two\\line three}", "one\ntwo\nthree"},
        {"{\\rtf1\\ansi \\u9608? \\u9730?}", "\u2588 \u2602"},  // decimal code points
    };
    for (const auto& k : cases) {
        box.SetContent(Read(k.rtf));
        EXPECT_EQ(box.ShownText(), k.shown) << k.rtf;
    }
    // Longer than the control's default limit of 32 767 characters.
    std::string lines;
    for (int i = 0; i < 500; ++i) lines += std::string(79, 'x') + "\n";
    box.SetPlainText(lines);
    EXPECT_EQ(box.ShownText(), lines);
}

}  // namespace
}  // namespace tarnvel::platform
