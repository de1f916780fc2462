// Character and paragraph formatting as read from rich text.
#include <gtest/gtest.h>

#include "richtext/tests/rtf_util.h"

namespace tarnvel::richtext {
namespace {

using test::format_of;
using test::read;

TEST(CharFormat, FontSizeStylesAndColour) {
    const Document d = read(
        R"({\rtf1\deff1{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman Times New Roman{\*\falt X};}})"
        R"({\colortbl;\red192\green0\blue0;\red0\green0\blue255;})"
        R"(def {\f0\fs28 big}{\b B}{\i I}{\ul U}{\ulw W}{\b\ul0\ulnone\b0 N}{\cf1 R}{\cf2 L}{\cf9 X}{\v H})"
        R"({\b\i\plain P}})");
    ASSERT_EQ(d.fonts.size(), 2u);
    EXPECT_EQ(d.fonts[0].name, "Arial");
    EXPECT_EQ(d.fonts[1].name, "Times New Roman");

    // Whole formats, so that a word which sets more than its own attribute is caught too.
    const CharFormat def{.font = 1};  // \deff1, 12 pt, automatic colour
    const std::pair<std::u16string_view, CharFormat> cases[] = {
        {u"def", def}, {u"big", {.font = 0, .size = 28}}, {u"B", {.font = 1, .bold = true}},
        {u"I", {.font = 1, .italic = true}}, {u"U", {.font = 1, .underline = true}},
        {u"W", {.font = 1, .underline = true}}, {u"N", def}, {u"R", {.font = 1, .color = 0xC00000u}},
        {u"L", {.font = 1, .color = 0x0000FFu}}, {u"X", def} /* past the colour table's end */,
        {u"H", {.font = 1, .hidden = true}}, {u"P", def}};
    for (const auto& [needle, format] : cases) EXPECT_EQ(format_of(d, needle), format) << to_utf8(needle);
}

TEST(CharFormat, GroupsRestoreAndRunsMerge) {
    const Document d = read(R"({\rtf1 a{\b b{\i c}d}e{\b f}{\b g}})");
    EXPECT_EQ(d.text, u"abcdefg");
    ASSERT_EQ(d.runs.size(), 6u);  // a | b | c | d | e | fg
    EXPECT_EQ(d.runs[5].start, 5u);
    EXPECT_EQ(d.runs[5].length, 2u);
    EXPECT_FALSE(format_of(d, u"e").bold);
    EXPECT_TRUE(format_of(d, u"c").bold && format_of(d, u"c").italic);
}

TEST(CharFormat, LegacyGurmukhiFonts) {
    const Document d = read(
        R"({\rtf1{\fonttbl{\f0\fnil GurbaniLipi;}{\f1 Gurbani Akhar Heavy;}{\f2 AnmolLipi;}{\f3 AnmolUni;})"
        R"({\f4 Noto Sans Gurmukhi;}{\f5 GurbaniAkharUnicode;}{\f6 anmol KALMI;}{\f7 Gurbani Uni Code;}{\f8 Gur;})"
        R"(}\f0 cyq})");
    ASSERT_EQ(d.fonts.size(), 9u);
    const bool expected[] = {true, true, true, false, false, false, true, false, false};
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(d.fonts[i].legacy_gurmukhi, expected[i]) << d.fonts[i].name;
    EXPECT_EQ(d.format_at(0).font, 0);
}

TEST(ParaFormat, PropertiesApplyToTheParagraphTheyEnd) {
    const Document d = read(
        R"({\rtf1\pard\qc\li720\ri360\fi-180\sb120\sa240 one\par)"
        R"(\pard\qr two\par\pard\qj three\par\pard\qd four\par\pard five})");
    ASSERT_EQ(d.paragraphs.size(), 5u);
    EXPECT_EQ(d.paragraphs[0].format, (ParaFormat{Alignment::Center, 720, 360, -180, 120, 240}));
    EXPECT_EQ(d.paragraphs[1].format.alignment, Alignment::Right);
    EXPECT_EQ(d.paragraphs[2].format.alignment, Alignment::Justify);
    EXPECT_EQ(d.paragraphs[3].format.alignment, Alignment::Justify);
    EXPECT_EQ(d.paragraphs[4].format, ParaFormat{});
    EXPECT_EQ(d.paragraphs[0].end, 5u);
    EXPECT_EQ(d.paragraphs[4].start, d.paragraphs[3].end);
    EXPECT_EQ(d.paragraphs[4].end, d.text.size());
}

// The last paragraph keeps its centring after a dropped last mark; a line break stays inside
// its paragraph.
TEST(ParaFormat, TheLastParagraphKeepsItsFormat) {
    const struct {
        const char* rtf;
        std::u16string_view text;
        std::size_t paragraphs;
    } cases[] = {{R"({\rtf1\pard one\par\pard\qc two\par})", u"one\r\ntwo", 2}, {R"({\rtf1\qc a\line b})", u"a\r\nb", 1}};
    for (const auto& c : cases) {
        const Document d = read(c.rtf);
        EXPECT_EQ(d.text, c.text);
        ASSERT_EQ(d.paragraphs.size(), c.paragraphs) << c.rtf;
        EXPECT_EQ(d.paragraphs.back().format.alignment, Alignment::Center);
        EXPECT_EQ(d.paragraphs.back().end, d.text.size());
    }
}

TEST(FontTable, NamesDecodedAndUnicode) {
    const Document d = read(R"({\rtf1{\fonttbl{\f0 Caf\'e9;}{\f1 \u2565?X;}\f2\fcharset2 Sym;}x})");
    ASSERT_EQ(d.fonts.size(), 3u);
    EXPECT_EQ(d.fonts[0].name, "Caf\u00e9");
    EXPECT_EQ(d.fonts[1].name, "\u0A05X");
    EXPECT_EQ(d.fonts[2].charset, 2);
}

}  // namespace
}  // namespace tarnvel::richtext
