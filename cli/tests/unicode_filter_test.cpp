#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/unicode_filter.h"
#include "gurmukhi/gurmukhi.h"

namespace tarnvel::cli {
namespace {

std::string filtered(const std::string& input, std::size_t max_pending) {
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(convert_stream(in, out, max_pending), FilterStatus::Ok);
    return out.str();
}

// Cutting the input into pieces must not change the text: the sihari typed before its
// consonant and the signs after it stay with their letter.
TEST(UnicodeFilter, PiecesGiveTheSameTextAsTheWhole) {
    std::string input;
    for (int i = 0; i < 4000; ++i) input += "ikhu ikvY sihb imlY mwG mjnu sMig swDU DUVI ";
    input += "\n";
    for (int i = 0; i < 3000; ++i) input += "cyq goivMdu ArwDIAY\n";
    input += "22 m`Gr, sMmq 558 nwnkSwhI";  // no newline at the end
    const std::string whole = gurmukhi::legacy_to_unicode(input);
    for (const std::size_t limit : {std::size_t{1} << 20, std::size_t{4096}, std::size_t{7}})
        EXPECT_EQ(filtered(input, limit), whole) << "limit " << limit;
}

TEST(UnicodeFilter, KeepsLineEndsAndLatinOneSigns) {
    EXPECT_EQ(filtered("", 64), "");
    EXPECT_EQ(filtered("\n\n", 64), "\n\n");
    EXPECT_EQ(filtered("cyq\r\nmwG", 64), "ਚੇਤ\r\nਮਾਘ");
    // µ (tippi) arrives as its two UTF-8 bytes.
    EXPECT_EQ(filtered("jµg\n", 64), gurmukhi::legacy_to_unicode("jµg\n"));
}

// A line with no blank longer than the limit is cut at a character boundary, never inside
// a UTF-8 sequence.
TEST(UnicodeFilter, CutsALongUnbrokenLineBetweenCharacters) {
    std::string input;
    for (int i = 0; i < 50; ++i) input += "µ";
    const std::string out = filtered(input, 5);
    EXPECT_EQ(out.find("\xEF\xBF\xBD"), std::string::npos) << "replacement character in output";
}

TEST(UnicodeFilter, ReportsAFailedWrite) {
    std::istringstream in("cyq\n");
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(convert_stream(in, out), FilterStatus::WriteError);
}

}  // namespace
}  // namespace tarnvel::cli
