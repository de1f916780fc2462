// The rich-text control on the offscreen platform: loading, failures, selections and the
// Gurmukhi of legacy-encoded runs.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "platform/rich_text_box.h"
#include "richtext/tests/temp_dir.h"
#include "richtext/utf.h"

namespace tarnvel::platform {
namespace {

class RichTextBoxTest : public ::testing::Test {
protected:
    Window window;
    RichTextBox box{window};
    richtext::test::TempDir dir;
    int changes = 0;
    void SetUp() override { box.on_change = [this] { ++changes; }; }
};

TEST_F(RichTextBoxTest, LegacyGurmukhiIsShownInUnicodeWhereItsFontIsMissing) {
    // Chet typed in the GurbaniLipi keyboard encoding, then the same in another font.
    const auto path = dir.write("g.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 GurbaniLipi;}}"
                                         "{\\f1 cyq} {\\f0 cyq}}");
    ASSERT_TRUE(box.LoadFile(path.string()));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(richtext::to_utf8(box.Text()), "cyq cyq");  // positions stay those of the file
    EXPECT_TRUE(box.ShowsConvertedGurmukhi());
    EXPECT_EQ(box.ShownText(), "\u0A1A\u0A47\u0A24 cyq");
    box.SetPlainText("plain");
    EXPECT_FALSE(box.ShowsConvertedGurmukhi());
}

// Writers keep GurbaniLipi text in a symbol font, whose bytes the text holds as U+F000 + byte
// (Word, WordPad), or write those characters out as \uN (LibreOffice): shown as Gurmukhi too.
TEST_F(RichTextBoxTest, LegacyGurmukhiInASymbolFontIsShownInUnicode) {
    const auto path = dir.write("s.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 GurbaniLipi;}"
                                         "{\\f2\\fcharset0 GurbaniLipi;}}{\\f1 cyq An\\'b5du}"
                                         "{\\f0 \\'b5}{\\f2 \\u61539?\\u61561?\\u61553?}}");
    ASSERT_TRUE(box.LoadFile(path.string()));
    EXPECT_EQ(box.Text(), u"\uF063\uF079\uF071\uF020\uF041\uF06E\uF0B5\uF064\uF075\u00B5\uF063\uF079\uF071");
    EXPECT_TRUE(box.ShowsConvertedGurmukhi());
    EXPECT_EQ(box.ShownText(), "\u0A1A\u0A47\u0A24 \u0A05\u0A28\u0A70\u0A26\u0A41\u00B5\u0A1A\u0A47\u0A24");
}

TEST_F(RichTextBoxTest, FailuresKeepTheContentAndSayWhy) {
    box.SetPlainText("kept");
    changes = 0;
    std::string big = "{\\rtf1 ";
    big.resize(16u * 1024u * 1024u + 1, 'a');
    const struct {
        const char* what;
        std::string path;
        const char* reason;
    } cases[] = {
        {"missing", (dir.path() / "none.rtf").string(), "no such file"},
        {"not rich text", dir.write("plain.rtf", "just text").string(), "not a rich-text document"},
        {"a byte-order mark first", dir.write("bom.rtf", "\xEF\xBB\xBF{\\rtf1 a}").string(), "not a rich-text document"},
        {"empty", dir.write("empty.rtf", "").string(), "not a rich-text document"},
        {"too large", dir.write("big.rtf", big).string(), "larger than 16 MB"},
        {"a folder", dir.path().string(), "not a regular file"},
#ifndef _WIN32  // Windows has no named pipes in the file system
        // Opening a named pipe would wait for a writer: refused unopened.
        {"a named pipe", [&] {
             const auto p = dir.path() / "pipe.rtf";
             EXPECT_EQ(::mkfifo(p.c_str(), 0644), 0);
             return p.string();
         }(), "not a regular file"},
#endif
#ifndef _WIN32  // Windows lets only privileged users make symbolic links; Wine makes none
        {"a link to nowhere", [&] {
             const auto p = dir.path() / "dangling.rtf";
             std::filesystem::create_symlink(dir.path() / "gone.rtf", p);
             return p.string();
         }(), "no such file"},
#endif
    };
    for (const auto& k : cases) {
        std::string why;
        EXPECT_FALSE(box.LoadFile(k.path, &why)) << k.what;
        EXPECT_NE(why.find(k.reason), std::string::npos) << k.what << ": " << why;
        EXPECT_NE(why.find(k.path), std::string::npos) << k.what << ": " << why;
    }
    EXPECT_EQ(richtext::to_utf8(box.Text()), "kept");
    EXPECT_EQ(changes, 0);
}

TEST_F(RichTextBoxTest, ASelectionReplacesAnotherControlsWholeContent) {
    RichTextBox other(window);
    other.SetPlainText("old\nold");
    const auto path = dir.write("d.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}one\\par {\\b two}\\par three}");
    ASSERT_TRUE(box.LoadFile(path.string()));
    ASSERT_EQ(richtext::to_utf8(box.Text()), "one\r\ntwo\r\nthree");
    box.SetSelStart(4);
    box.SetSelLength(6);
    other.SetContent(box.SelDocument());
    EXPECT_EQ(richtext::to_utf8(other.Text()), "\ntwo\r\n");
    EXPECT_TRUE(other.Content().format_at(1).bold);
    EXPECT_FALSE(other.Content().format_at(4).bold);
}

TEST_F(RichTextBoxTest, TheSelectionIsClampedAndAStartEmptiesIt) {
    box.SetPlainText("abc\ndef");  // "abc\r\ndef": 8 units
    const struct {
        std::int64_t start, length, sel_start, sel_length;
    } cases[] = {{2, 3, 2, 3}, {-4, 2, 0, 2}, {6, 10, 6, 2}, {99, 1, 8, 0}, {0, -1, 0, 0}};
    for (const auto& k : cases) {
        box.SetSelStart(k.start);
        EXPECT_EQ(box.SelLength(), 0);
        box.SetSelLength(k.length);
        EXPECT_EQ(box.SelStart(), k.sel_start) << k.start;
        EXPECT_EQ(box.SelLength(), k.sel_length) << k.start;
    }
}

}  // namespace
}  // namespace tarnvel::platform
