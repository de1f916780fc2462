// The plain text of each construct, counted as the classic rich-text control counts it.
#include <gtest/gtest.h>

#include "richtext/tests/rtf_util.h"

namespace tarnvel::richtext {
namespace {

using test::plain;

struct Case {
    const char* name;
    std::string_view rtf;
    std::string_view text;  // UTF-8
};

std::string case_name(const ::testing::TestParamInfo<Case>& p) { return p.param.name; }

class Counting : public ::testing::TestWithParam<Case> {};

TEST_P(Counting, PlainText) { EXPECT_EQ(plain(GetParam().rtf), GetParam().text); }

constexpr Case kConstructs[] = {
    // Paragraph and line marks, tabs, table cells and rows.
    {"ParBetween", R"({\rtf1 A\par B})", "A\r\nB"},
    {"LastMarkDropped", R"({\rtf1 X\par})", "X"},
    {"OnlyOneLastMarkDropped", R"({\rtf1 X\par\par})", "X\r\n"},
    {"MarkThenSpaceIsText", "{\\rtf1 X\\par  }", "X\r\n "},
    {"BackslashNewline", "{\\rtf1 A\\\nB\\\r\nC}", "A\r\nB\r\nC"},
    {"RawLineEndsIgnored", "{\\rtf1 A\r\nB\rC\nD}", "ABCD"},
    {"Line", R"({\rtf1 A\line B})", "A\r\nB"},
    {"Tab", R"({\rtf1 A\tab B})", "A\tB"},
    {"RawTab", "{\\rtf1 A\tB}", "A\tB"},
    {"PageAndSect", R"({\rtf1 A\page B\sect C})", "A\r\nB\r\nC"},
    {"TableCellsAndRows", R"({\rtf1\trowd\cellx1000\cellx2000\pard\intbl A\cell B\cell\row\pard C})",
     "A\tB\t\r\nC"},
    {"ParInsideTableRowIsSpace", R"({\rtf1\pard\intbl A\par B\cell\row\pard C})", "A B\t\r\nC"},
    {"PardLeavesTable", R"({\rtf1\intbl A\cell\row\pard B\par C})", "A\t\r\nB\r\nC"},
    // \uN and the fallback it skips.
    {"U", R"({\rtf1 \u2676?x})", "\u0A74x"},
    {"NegativeCountsFrom65536", R"({\rtf1 \u-3913?})", "\uF0B7"},
    {"SurrogatePair", R"({\rtf1 \u-10179?\u-8704?})", "\U0001F600"},
    {"Uc2SkipsTwo", R"({\rtf1\uc2 \u2676??x})", "\u0A74x"},
    {"FallbackHexCountsOne", R"({\rtf1\uc2 \u2676\'a1\'a2x})", "\u0A74x"},
    {"FallbackControlWordCountsOne", R"({\rtf1 \u2676\bullet x})", "\u0A74x"},
    {"Uc0SkipsNothing", R"({\rtf1\uc0 \u2676 x})", "\u0A74x"},
    {"UcScopedToGroup", R"({\rtf1 {\uc2 \u2676??}\u2676?x})", "\u0A74\u0A74x"},
    {"BraceEndsSkipping", R"({\rtf1\uc3 {\u2676?}x})", "\u0A74x"},
    {"AboveTheCodePointsWraps", R"({\rtf1 \u70000?b})", "\u1170b"},
    // A unit of 0 keeps its place, but no text carries a NUL.
    {"WrapsToZeroKeepsItsPlace", R"({\rtf1 \u65536?x\u-65536?y\u0 z})", "\uFFFDx\uFFFDy\uFFFD"},
    {"ControlUnitsAreCharacters", R"({\rtf1 a\u9?b\u13?\u10?c\u-65535?d})", "a\tb\r\nc\u0001d"},
    // Bytes in the document's and the fonts' code pages.
    {"Default1252", R"({\rtf1 caf\'e9 \'93q\'94})", "caf\u00e9 \u201cq\u201d"},
    {"Undefined1252IsC1", R"({\rtf1 \'81})", "\u0081"},
    {"AnsiCpg", R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})", "\u0410\u0431"},
    {"RawHighByte", "{\\rtf1\\ansicpg1253 \xe1}", "\u03b1"},
    {"FontCharsetOverAnsiCpg",
     R"({\rtf1\ansicpg1251{\fonttbl{\f0\fcharset238 A;}{\f1\fcharset161 B;}{\f2\fcharset1 C;}}\f0\'b9\f1\'e1\f2\'c0})",
     "\u0105\u03b1\u0410"},
    {"EachWindowsCodePage",
     R"({\rtf1{\fonttbl{\f0\fcharset162 T;}{\f1\fcharset177 H;}{\f2\fcharset178 A;}{\f3\fcharset186 B;}{\f4\fcharset163 V;}{\f5\fcharset222 Th;}})"
     R"(\f0\'f0\f1\'e0\f2\'c7\f3\'e0\f4\'d2\f5\'a1})",
     "\u011f\u05d0\u0627\u0105\u0309\u0e01"},
    // Every byte of a symbol font's text, raw or escaped, is U+F000 + byte; control words and \uN
    // are not bytes and keep their characters.
    {"SymbolFont", R"({\rtf1{\fonttbl{\f0\fcharset2 Symbol;}}\f0\'b7\'61 a})", "\uF0B7\uF061\uF020\uF061"},
    {"SymbolFontEscapesAndWords",
     R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}\f1 a\~b\tab c\par d\emdash e\\f\u99?\u8226?})",
     "\uF061\u00A0\uF062\t\uF063\r\n\uF064\u2014\uF065\uF05C\uF066c\u2022"},
    {"SymbolFontControlBytes", R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}\f1 a\'0d\'09\'80\'ff\'01})",
     "\uF061\t\uF080\uF0FF\u0001"},
    {"SymbolFontScopedToGroup",
     R"({\rtf1{\fonttbl{\f0\fcharset0 Arial;}{\f1\fnil\fcharset2 GurbaniLipi;}}{\f1 cyq An\'b5du}\par Month1})",
     "\uF063\uF079\uF071\uF020\uF041\uF06E\uF0B5\uF064\uF075\r\nMonth1"},
    // Escaped control bytes are characters, except NUL, LF and CR, which are dropped like raw ones.
    {"EscapedControlBytes", R"({\rtf1 a\'01b\'0bc\'1fd\'7fe})", "a\u0001b\u000Bc\u001Fd\u007Fe"},
    {"EscapedNulCrLfDropped", R"({\rtf1 \'0dx\'0ay\'09z\'00w})", "xy\tzw"},
    // An escape needs two hex digits; with one it is dropped with its digit.
    {"OneHexDigit", R"({\rtf1 a\'4x b\'4 c\'F})", "ax b c"},
    {"NoHexDigit", R"({\rtf1 a\'zz b\'})", "azz b"},
    {"DoubleBytePairCountsOne", R"({\rtf1\ansicpg932 \'82\'a0x})", "\uFFFDx"},
    // Named characters and hidden text.
    {"NamedCharacters", R"({\rtf1 \bullet\emdash\endash\lquote\rquote\ldblquote\rdblquote\~\_})",
     "\u2022\u2014\u2013\u2018\u2019\u201c\u201d\u00a0\u2011"},
    {"SoftHyphen", R"({\rtf1 a\-b})", "a\u00adb"},
    {"EscapedSpecials", R"({\rtf1 \\\{\}})", "\\{}"},
    {"HiddenTextCounts", R"({\rtf1 a{\v hid}b})", "ahidb"},
    // Groups that are not text, and what lies outside the document.
    {"FieldResultOnly", R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}.})", "link."},
    {"FieldInstWithoutStar", R"({\rtf1 {\field{\fldinst PAGE}{\fldrslt 3}}})", "3"},
    {"ShapeWithoutResult", R"({\rtf1 a{\shp{\*\shpinst{\sp{\sn pib}{\sv {\pict 00}}}}}b})", "ab"},
    {"ListText", R"({\rtf1 {\listtext 1.\tab}Item\par{\pntext\f0 2.\tab}Next})", "Item\r\nNext"},
    {"OldNumbering", R"({\rtf1 {\pn\pnlvlbody{\pntxta .}}Item})", "Item"},
    {"StarUnknown", R"({\rtf1 {\*\foo bar {nested}}x})", "x"},
    {"StarKnownWordStillSkipped", R"({\rtf1 {\*\b bar}x})", "x"},
    {"UnknownWithoutStarKeepsText", R"({\rtf1 {\foo bar}x})", "barx"},
    {"Tables",
     R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s0 Normal;}}{\info{\title T}}x})",
     "x"},
    {"HeadersFootersFootnotes",
     R"({\rtf1 {\header h}{\headerl h}{\footer f}{\footerr f}a{\footnote note}b})", "ab"},
    {"Bin", "{\\rtf1 a\\bin3 {}\\b}", "ab"},
    {"BinInsideSkippedGroup", "{\\rtf1 {\\*\\x \\bin2 }}}a}", "a"},
    {"AfterOutermostBraceIgnored", R"({\rtf1 a}b{c})", "a"},
    {"OpenGroupsAtEnd", R"({\rtf1 a{\b b{\i c)", "abc"},
    // A picture takes a place only in a format the control loads.
    {"WindowsMetafile", R"({\rtf1 a{\pict\wmetafile8\picw10\pich10 0100}b})", "a\uFFFCb"},
    {"EnhancedMetafile", R"({\rtf1 a{\pict\emfblip 0100}b})", "a\uFFFCb"},
    {"DeviceIndependentBitmap", R"({\rtf1 a{\pict\dibitmap0 2800}b})", "a\uFFFCb"},
    {"PngOnly", R"({\rtf1 a{\pict\pngblip 89504e47}b})", "ab"},
    {"JpegOnly", R"({\rtf1 a{\pict\jpegblip ffd8}b})", "ab"},
    {"OtherFormats", R"({\rtf1 a{\pict\svgblip 00}{\pict\macpict 00}{\pict\pmmetafile0 00}{\pict\wbitmap0 00}{\pict 00}b})",
     "ab"},
    {"ShapePictureLoaded", R"({\rtf1 a{\*\shppict{\pict\emfblip 00}}b})", "a\uFFFCb"},
    {"ShapePictureWithoutStar", R"({\rtf1 a{\shppict{\pict\wmetafile8 00}}{\nonshppict{\pict\wmetafile8 00}}b})",
     "a\uFFFCb"},
    {"ShapePngWithoutFallback", R"({\rtf1 a{\*\shppict{\pict\pngblip 00}}b})", "ab"},
    {"FallbackAlsoPng", R"({\rtf1 a{\*\shppict{\pict\pngblip 00}}{\nonshppict{\pict\jpegblip 00}}b})", "ab"},
    {"FallbackAlone", R"({\rtf1 a{\nonshppict{\pict\wmetafile8 00}}b})", "a\uFFFCb"},
    {"EachPairOnItsOwn",
     R"({\rtf1 {\*\shppict{\pict\wmetafile8 00}}{\nonshppict{\pict\wmetafile8 00}}{\*\shppict{\pict\pngblip 00}}{\nonshppict{\pict\wmetafile8 00}}x})",
     "\uFFFC\uFFFCx"},
    // Only the picture's own words say its format, not those of its properties or its data.
    {"FormatWordInProperties", R"({\rtf1 a{\pict{\*\picprop{\sp{\sn x}{\sv \wmetafile8}}}\pngblip 00}b})", "ab"},
    {"FormatWordInBinaryData", "{\\rtf1 a{\\pict\\pngblip\\bin10 \\wmetafile}b}", "ab"},
    {"BinaryMetafile", "{\\rtf1 a{\\pict\\wmetafile8\\bin3 }{\\}b}", "a\uFFFCb"},
    {"InShapeResult", R"({\rtf1 a{\shp{\*\shpinst{\sp{\sn pib}{\sv {\pict\wmetafile8 00}}}}{\shprslt{\pict\wmetafile8 00}}}b})",
     "a\uFFFCb"},
    {"PictureAsOutermostGroup", R"({\rtf1\pict\wmetafile8 00})", ""},
};
INSTANTIATE_TEST_SUITE_P(Constructs, Counting, ::testing::ValuesIn(kConstructs), case_name);

TEST(NotRichText, RefusedUnlessItStartsWithRtfGroup) {
    EXPECT_FALSE(parse_rtf(""));
    EXPECT_FALSE(parse_rtf("hello"));
    EXPECT_FALSE(parse_rtf("\xEF\xBB\xBF{\\rtf1 a}"));  // a byte-order mark first
    EXPECT_FALSE(parse_rtf(" {\\rtf1 a}"));
    EXPECT_FALSE(parse_rtf("{\\RTF1 a}"));
    ASSERT_TRUE(parse_rtf("{\\rtf"));
    EXPECT_EQ(parse_rtf("{\\rtf")->text, u"");
}

}  // namespace
}  // namespace tarnvel::richtext
