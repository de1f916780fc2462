// Writing a document as rich text and reading it back.
#include <gtest/gtest.h>

#include "richtext/rtf_writer.h"
#include "richtext/tests/layout_check.h"
#include "richtext/tests/rtf_util.h"

namespace tarnvel::richtext {
namespace {

using test::expect_same;
using test::read;

const char* const kRich =
    R"({\rtf1{\fonttbl{\f0\fcharset0 Ari\'e1l \u2565?;}{\f1\fnil GurbaniLipi;}{\f2\fcharset2 Symbol;}})"
    R"({\colortbl;\red200\green10\blue0;\red0\green0\blue9;})"
    R"(\pard\qc\li720\ri10\fi-20\sb5\sa6 {\f0\fs30\b\i\ul Head}{\cf1 ing}\par)"
    R"(\pard {\f1 cyq vYswK}\line {\cf2 \{br\}\\ace}\tab \u2676?\u-10179?\u-8704?{\f2\'b7}\par)"
    R"(\pard\qj {\v hidden} \bullet\emdash\~end})";

TEST(Writer, RoundTripKeepsEverything) {
    const Document d = read(kRich);
    ASSERT_TRUE(test::well_formed(d));
    const std::string rtf = write_rtf(d);
    for (char c : rtf) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "the writer escapes all non-ASCII";
    expect_same(read(rtf), d);
}

// Documents that came back otherwise once or easily could: a section ending with its line
// break, a part cut inside a mark (its CR alone is no line break), ASCII written into a
// symbol-font run (it came back as U+F0xx, found by the fuzzer), ASCII in a symbol font that
// only \uN can give, and nothing at all.
TEST(Writer, DocumentsThatOnceCameBackOtherwiseRoundTrip) {
    const std::pair<Document, std::u16string_view> cases[] = {
        {read(R"({\rtf1 Help0\par Text\par Help0})").selection(7, 6), u"Text\r\n"},
        {read(R"({\rtf1 a\par b})").selection(0, 2), u"a\r"},  // a cut inside a mark
        {read(R"({\rtf1{\fonttbl{\f0\fcharset2 Symbol;}}\f0\'b7 a\'20b})"), u"\uF0B7\uF020\uF061\uF020\uF062"},
        {read(R"({\rtf1{\fonttbl{\f0\fcharset2 Symbol;}}\f0\u99?\u92?\'63\tab\u123?})"), u"c\\\uF063\t{"},
        {Document{}, u""},
    };
    for (const auto& [d, text] : cases) {
        ASSERT_EQ(d.text, text);
        expect_same(read(write_rtf(d)), d);
    }
}

}  // namespace
}  // namespace tarnvel::richtext
