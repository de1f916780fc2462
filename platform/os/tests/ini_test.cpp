#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/os/ini_file.h"

namespace tarnvel::platform::os {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;
using namespace std::string_literals;

TEST(IniFile, ValuesSurviveARoundTrip) {
    const std::string values[] = {
        "",       "1",           "Tarnvel 1.0", "/opt/my apps/tarnvel", "a=b=c", "back\\slash\\",
        "two\nlines\r\n", " leading and trailing ", "\ttab", "[not a section]", "; not a comment",
        "ਨਾਨਕਸ਼ਾਹੀ", "\\n literally", "nul\0in the middle"s, "\x01\x1f\x7f", "\\x41 is no escape",
        "\xff\xfe bytes", " ", "\\",
    };
    IniFile ini;
    for (std::size_t i = 0; i < std::size(values); ++i) ASSERT_TRUE(ini.Set("Tarnvel", "k" + std::to_string(i), values[i]));
    const std::string text = ini.Serialize();
    const IniFile back = IniFile::Parse(text);
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(back.Get("Tarnvel", "k" + std::to_string(i)), values[i]) << i;
    EXPECT_EQ(back.Values("Tarnvel").size(), std::size(values)) << text;
}

// What is read, line by line: which section a key belongs to, and that a damaged line takes the
// keys after it out of every section.
TEST(IniFile, ReadsOnlyTheKeysUnderTheirOwnHeader) {
    const struct {
        const char* what;
        std::string text;
        Values tarnvel;
    } cases[] = {
        {"plain", "[Tarnvel]\nRun_Startup=1\nVersion=Tarnvel 1.0\n", {{"Run_Startup", "1"}, {"Version", "Tarnvel 1.0"}}},
        {"spaces, tabs and Windows line ends", "[Tarnvel]\r\n  Run_Startup = 0  \r\n\tVersion\t=\tx\r\n",
         {{"Run_Startup", "0"}, {"Version", "x"}}},
        {"no line end at the end", "[Tarnvel]\nRun_Startup=0", {{"Run_Startup", "0"}}},
        {"byte order mark", "\xEF\xBB\xBF[Tarnvel]\nRun_Startup=0\n", {{"Run_Startup", "0"}}},
        {"comments and blank lines keep the section", "[Tarnvel]\n; note\n\n# other\nRun_Startup=0\n",
         {{"Run_Startup", "0"}}},
        {"the last of a key given twice", "[Tarnvel]\nVersion=a\nVersion=b\n", {{"Version", "b"}}},
        {"two headers of one name", "[Tarnvel]\nA=1\n[Other]\nB=2\n[Tarnvel]\nC=3\nA=4\n", {{"A", "4"}, {"C", "3"}}},
        {"keys before any header", "Run_Startup=0\n[Tarnvel]\nVersion=x\n", {{"Version", "x"}}},
        {"another section's keys", "[Tarnvel]\nA=1\n[Other]\nRun_Startup=0\n", {{"A", "1"}}},
        {"a damaged header", "[Tarnvel]\nA=1\n\0\0\0[Tail]\nRun_Startup=0\n"s, {{"A", "1"}}},
        {"a header with a control character", "[Tarn\x01vel]\nRun_Startup=0\n", {}},
        {"an unclosed header", "[Tarnvel]\nA=1\n[Other\nRun_Startup=0\n", {{"A", "1"}}},
        {"a line that is no key", "[Tarnvel]\nA=1\ngarbage line\nRun_Startup=0\n", {{"A", "1"}}},
        {"a key line with a NUL", "[Tarnvel]\nA=1\nRun\0_Startup=0\nB=2\n"s, {{"A", "1"}}},
        {"a carriage return inside a line", "[Tarnvel]\nA=1\rB=2\nC=3\n", {}},
        {"an empty key", "[Tarnvel]\nA=1\n=x\nB=2\n", {{"A", "1"}}},
        {"a good header after damage", "[Tarnvel]\nA=1\n\x02\n[Tarnvel]\nB=2\n", {{"A", "1"}, {"B", "2"}}},
        {"names compared exactly", "[tarnvel]\nA=1\n[ Tarnvel ]\nB=2\n", {}},
    };
    for (const auto& c : cases) {
        const IniFile ini = IniFile::Parse(c.text);
        EXPECT_EQ(ini.Values("Tarnvel"), c.tarnvel) << c.what;
        EXPECT_EQ(ini.Serialize(), c.text) << c.what << ": every byte is written back";
    }
    EXPECT_EQ(IniFile::Parse("[Other]\nkey = value\n").Get("Other", "key"), "value");
    EXPECT_EQ(IniFile::Parse("[a=b]\nkey=1\n").Get("a=b", "key"), "1") << "other programs' names are read";
}

// A Set changes one line or adds lines at one place; every other byte stays.
TEST(IniFile, SetEditsInPlace) {
    const struct {
        const char* what;
        std::string before;
        const char* key;
        std::string after;
    } cases[] = {
        {"empty file", "", "Version", "[Tarnvel]\nVersion=new\n"},
        {"a key that is there, Windows line ends kept", "; mine\r\n[Tarnvel]\r\n Version = old \r\nA=1\r\n",
         "Version", "; mine\r\n[Tarnvel]\r\nVersion=new\r\nA=1\r\n"},
        {"the same value: nothing changes", "[Tarnvel]\n Version = new \n", "Version", "[Tarnvel]\n Version = new \n"},
        {"the line that is read of a key given twice", "[Tarnvel]\nVersion=a\nVersion=b\n", "Version",
         "[Tarnvel]\nVersion=a\nVersion=new\n"},
        {"a new key after the last key, before blank lines and comments", "[Tarnvel]\nA=1\n\n; end\n[Other]\nB=2\n",
         "Version", "[Tarnvel]\nA=1\nVersion=new\n\n; end\n[Other]\nB=2\n"},
        {"a new key under a header without keys", "[Tarnvel]\n[Other]\n", "Version", "[Tarnvel]\nVersion=new\n[Other]\n"},
        {"a new key in the last header of the name", "[Tarnvel]\nA=1\n[Other]\n[Tarnvel]\nB=2\n", "Version",
         "[Tarnvel]\nA=1\n[Other]\n[Tarnvel]\nB=2\nVersion=new\n"},
        {"a new key before a damaged line, the keys after it untouched",
         "[Tarnvel]\nA=1\n\0\0\0[Tail]\nVersion=theirs\n"s, "Version",
         "[Tarnvel]\nA=1\nVersion=new\n\0\0\0[Tail]\nVersion=theirs\n"s},
        {"a new key at the end of a file without a last line end", "[Tarnvel]\nA=1", "Version",
         "[Tarnvel]\nA=1\nVersion=new\n"},
        {"a new section after a blank line", "[Other]\nA=1\n", "Version", "[Other]\nA=1\n\n[Tarnvel]\nVersion=new\n"},
        {"a new section in a Windows file", "[Other]\r\nA=1\r\n\r\n", "Version",
         "[Other]\r\nA=1\r\n\r\n[Tarnvel]\r\nVersion=new\r\n"},
        {"a new section after garbage without a line end", "\x01\x02", "Version", "\x01\x02\n\n[Tarnvel]\nVersion=new\n"},
        {"a new section when the only header is damaged", "[Tarn\x01vel]\nVersion=old\n", "Version",
         "[Tarn\x01vel]\nVersion=old\n\n[Tarnvel]\nVersion=new\n"},
    };
    for (const auto& c : cases) {
        IniFile ini = IniFile::Parse(c.before);
        ASSERT_TRUE(ini.Set("Tarnvel", c.key, "new")) << c.what;
        EXPECT_EQ(ini.Serialize(), c.after) << c.what;
        EXPECT_EQ(IniFile::Parse(ini.Serialize()).Get("Tarnvel", c.key), "new") << c.what;
    }
}

TEST(IniFile, ManyKeysAreAllFoundAndSetInPlace) {
    std::string text = "[Tarnvel]\n";
    for (int i = 0; i < 110000; ++i) text += "k" + std::to_string(i) + "=" + std::to_string(i % 7) + "\n";
    IniFile ini = IniFile::Parse(text);
    EXPECT_EQ(ini.Values("Tarnvel").size(), 110000u);
    EXPECT_EQ(ini.Get("Tarnvel", "k109999"), "1");
    ASSERT_TRUE(ini.Set("Tarnvel", "k5", "x"));
    ASSERT_TRUE(ini.Set("Tarnvel", "Version", "Tarnvel 1.0"));
    text.replace(text.find("\nk5=5\n"), 6, "\nk5=x\n");
    EXPECT_EQ(ini.Serialize(), text + "Version=Tarnvel 1.0\n");
}

TEST(IniFile, RefusesNamesItCannotHold) {
    IniFile ini;
    for (const std::string& bad : {""s, "a=b"s, "a]"s, "[a"s, "two\nlines"s, " padded"s, "padded\t"s, ";comment"s,
                                  "#comment"s, "nul\0"s, "bell\a"s}) {
        EXPECT_FALSE(ini.Set(bad, "key", "v")) << bad;
        EXPECT_FALSE(ini.Set("Tarnvel", bad, "v")) << bad;
    }
    EXPECT_EQ(ini.Serialize(), "");
}

}  // namespace
}  // namespace tarnvel::platform::os
