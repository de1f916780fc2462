#include <gtest/gtest.h>

#include <filesystem>

#include "platform/os/ini_file.h"
#include "platform/os/ini_store.h"
#include "platform/os/tests/temp_dir.h"

namespace tarnvel::platform::os {
namespace {

using test::TempDir;

TEST(IniFile, ValuesSurviveARoundTrip) {
    const std::string values[] = {
        "",       "1",           "Tarnvel 1.0", "/opt/my apps/tarnvel", "a=b=c", "back\\slash\\",
        "two\nlines\r\n", " leading and trailing ", "\ttab", "[not a section]", "; not a comment",
        "ਨਾਨਕਸ਼ਾਹੀ", "\\n literally",
    };
    IniFile ini;
    for (std::size_t i = 0; i < std::size(values); ++i) ASSERT_TRUE(ini.Set("Tarnvel", "k" + std::to_string(i), values[i]));
    const IniFile back = IniFile::Parse(ini.Serialize());
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(back.Get("Tarnvel", "k" + std::to_string(i)), values[i]) << i;
}

TEST(IniFile, ReadsWhatPeopleAndOtherProgramsWrite) {
    const IniFile ini = IniFile::Parse(
        "; comment\n"
        "stray=before any section\n"
        "[Tarnvel]\r\n"
        "  Run_Startup = 0  \r\n"
        "Version=Tarnvel 1.0\n"
        "garbage line\n"
        "Version=second wins\n"
        "[Other]\n"
        "Run_Startup=7\n"
        "[broken\n"
        "Run_Startup=lost in a broken section\n");
    EXPECT_EQ(ini.Get("Tarnvel", "Run_Startup"), "0");
    EXPECT_EQ(ini.Get("Tarnvel", "Version"), "second wins");
    EXPECT_EQ(ini.Get("Other", "Run_Startup"), "7");
    EXPECT_EQ(ini.Get("Tarnvel", "stray"), std::nullopt);
    EXPECT_EQ(ini.Get("tarnvel", "Version"), std::nullopt) << "names are compared exactly";
}

TEST(IniFile, GarbageBytesGiveNothingAndNoCrash) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
    const IniFile ini = IniFile::Parse(junk);
    EXPECT_EQ(ini.Get("Tarnvel", "Run_Startup"), std::nullopt);
}

TEST(IniFile, RefusesNamesItCannotHold) {
    IniFile ini;
    for (const char* bad : {"", "a=b", "a]", "[a", "two\nlines", " padded", ";comment"}) {
        EXPECT_FALSE(ini.Set(bad, "key", "v")) << bad;
        EXPECT_FALSE(ini.Set("Tarnvel", bad, "v")) << bad;
    }
    EXPECT_EQ(ini.Serialize(), "");
}

TEST(IniStore, WritesAndReadsInTheConfigurationFolder) {
    TempDir home;
    IniStore store(home.path());
    EXPECT_EQ(store.GetSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1"), "1");
    EXPECT_EQ(store.SaveSetting("Nanakshahi", "Tarnvel", "Version", "Tarnvel 1.0").code, 0);
    EXPECT_EQ(store.SaveSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1").code, 0);
    EXPECT_EQ(store.SaveSetting("Nanakshahi", "Tarnvel", "Version", "Tarnvel 1.0").code, 0);
    EXPECT_EQ(test::ReadFile(home / "Nanakshahi.ini"), "[Tarnvel]\nVersion=Tarnvel 1.0\nRun_Startup=1\n");
    EXPECT_EQ(IniStore(home.path()).GetSetting("Nanakshahi", "Tarnvel", "Version", ""), "Tarnvel 1.0");
}

TEST(IniStore, FollowsXdgConfigHome) {
    TempDir home;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", (home / "nested/config").c_str(), 1);
    IniStore store;
    EXPECT_EQ(store.SaveSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1").code, 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(home / "nested/config/Nanakshahi.ini"));
    ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_EQ(IniStore().PathOf("Nanakshahi"), std::string(std::getenv("HOME")) + "/.config/Nanakshahi.ini");
    if (old) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
}

TEST(IniStore, DamagedFileGivesDefaultsAndIsReplacedByAGoodOne) {
    TempDir home;
    test::WriteFile(home / "Nanakshahi.ini", std::string("\x00\xff\xfe[Tarn\x01vel]\nRun_Startup\x00=0\n", 30));
    IniStore store(home.path());
    EXPECT_EQ(store.GetSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1"), "1");
    EXPECT_EQ(store.SaveSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1").code, 0);
    EXPECT_EQ(test::ReadFile(home / "Nanakshahi.ini"), "[Tarnvel]\nRun_Startup=1\n");
}

TEST(IniStore, FolderInPlaceOfTheFile) {
    TempDir home;
    std::filesystem::create_directory(home / "Nanakshahi.ini");
    IniStore store(home.path());
    EXPECT_EQ(store.GetSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1"), "1");
    const StoreError e = store.SaveSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1");
    EXPECT_NE(e.code, 0);
    EXPECT_NE(e.message.find(home / "Nanakshahi.ini"), std::string::npos) << e.message;
    EXPECT_TRUE(std::filesystem::is_directory(home / "Nanakshahi.ini"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.path()), {}), 1) << "no temporary file left";
}

}  // namespace
}  // namespace tarnvel::platform::os
