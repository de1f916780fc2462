// Loading document files, and the ways a load fails.
#include <gtest/gtest.h>

#include "richtext/load.h"
#include "richtext/tests/temp_dir.h"

namespace tarnvel::richtext {
namespace {

using test::TempDir;

TEST(Load, ReadsARichTextFile) {
    TempDir dir;
    const auto r = load_file(dir.write("One.rtf", "{\\rtf1 Help0\\par Text\\par Help0}"));
    ASSERT_TRUE(r) << r.message;
    EXPECT_EQ(r.document.text, u"Help0\r\nText\r\nHelp0");
    EXPECT_TRUE(r.message.empty());
}

TEST(Load, FailuresAreToldApart) {
    TempDir dir;
    struct Case {
        std::filesystem::path path;
        LoadError error;
    } cases[] = {
        {dir.path() / "absent.rtf", LoadError::Missing},
        {dir.path(), LoadError::NotAFile},
        {dir.write("plain.rtf", "Help0\r\nText\r\n"), LoadError::NotRichText},
        {dir.write("bom.rtf", "\xEF\xBB\xBF{\\rtf1 a}"), LoadError::NotRichText},
        {dir.write("empty.rtf", ""), LoadError::NotRichText},
    };
    for (const auto& c : cases) {
        const auto r = load_file(c.path);
        EXPECT_EQ(r.error, c.error) << c.path;
        EXPECT_FALSE(r);
        EXPECT_NE(r.message.find(c.path.string()), std::string::npos) << r.message;
        EXPECT_TRUE(r.document.text.empty());
    }
}

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
