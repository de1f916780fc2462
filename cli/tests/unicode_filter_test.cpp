#include <gtest/gtest.h>

#include <sstream>

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

// Cutting the input into pieces must not change the text: the sihari typed before its consonant
// and the signs after it stay with their letter; a line with no blank longer than the limit is cut
// between characters, never inside a UTF-8 sequence.
TEST(UnicodeFilter, PiecesGiveTheSameTextAsTheWhole) {
    std::string text, signs;
    for (int i = 0; i < 4000; ++i) text += "ikhu ikvY sihb imlY mwG mjnu sMig swDU DUVI ";
    text += "\n";
    for (int i = 0; i < 3000; ++i) text += "cyq goivMdu ArwDIAY\r\n";
    text += "22 m`Gr, sMmq 558 nwnkSwhI";  // no newline at the end
    for (int i = 0; i < 50; ++i) signs += "µ";  // two bytes each
    for (const std::string& input : {text, signs, std::string(), std::string("\n\n")})
        for (const std::size_t limit : {std::size_t{1} << 20, std::size_t{4096}, std::size_t{5}})
            EXPECT_EQ(filtered(input, limit), gurmukhi::legacy_to_unicode(input)) << "limit " << limit;
}

}  // namespace
}  // namespace tarnvel::cli
