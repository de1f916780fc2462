// Loading document files: the size limit. (Each way a load fails is told through the
// rich-text control, which says why.)
#include <gtest/gtest.h>

#include "richtext/load.h"
#include "richtext/tests/temp_dir.h"

namespace tarnvel::richtext {
namespace {

using test::TempDir;

// Exactly 16 MB is read; one byte more is refused before parsing.
TEST(Load, SixteenMegabytesAtMost) {
    TempDir dir;
    std::string bytes = "{\\rtf1 start{\\*\\pad ";
    const std::string tail = "}end}";
    bytes.append(kMaxDocumentBytes - bytes.size() - tail.size(), 'x');
    bytes += tail;
    ASSERT_EQ(bytes.size(), kMaxDocumentBytes);
    const auto fits = load_file(dir.write("fits.rtf", bytes));
    ASSERT_TRUE(fits) << fits.message;
    EXPECT_EQ(fits.document.text, u"startend");

    bytes.push_back(' ');
    const auto big = load_file(dir.write("big.rtf", bytes));
    EXPECT_EQ(big.error, LoadError::TooLarge);
    EXPECT_NE(big.message.find("16 MB"), std::string::npos);
}

}  // namespace
}  // namespace tarnvel::richtext
