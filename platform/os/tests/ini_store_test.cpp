#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/os/ini_store.h"
#include "richtext/tests/temp_dir.h"

namespace tarnvel::platform::os {
namespace {

using test::TempDir;
namespace fs = std::filesystem;

TEST(IniStore, FollowsXdgConfigHome) {
    TempDir home;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", (home / "nested/config").c_str(), 1);
    IniStore store;
    EXPECT_EQ(store.SaveSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1").code, 0);
    EXPECT_TRUE(fs::is_regular_file(home / "nested/config/Nanakshahi.ini"));
    ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_EQ(IniStore().PathOf("Nanakshahi"), std::string(std::getenv("HOME")) + "/.config/Nanakshahi.ini");
    if (old) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
}

// A save that changes nothing writes nothing. (What a save keeps of a file that holds other
// things too is checked through the program's exit.)
TEST(IniStore, SavingTheSameValueLeavesTheFileAlone) {
    TempDir home;
    const std::string path = home / "Nanakshahi.ini";
    test::WriteFile(path, "[Tarnvel]\nRun_Startup = 1\n");
    struct stat before {}, after {};
    ::stat(path.c_str(), &before);
    EXPECT_EQ(IniStore(home.path()).SaveSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1").code, 0);
    ::stat(path.c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(test::ReadFile(path), "[Tarnvel]\nRun_Startup = 1\n");
}

TEST(IniStore, ALinkToTheFileIsFollowedAndKept) {
    TempDir home;
    fs::create_directory(home / "dotfiles");
    test::WriteFile(home / "dotfiles/tarnvel.ini", "[Other]\nx=1\n");
    fs::create_symlink(home / "dotfiles/tarnvel.ini", home / "Nanakshahi.ini");
    IniStore store(home.path());
    EXPECT_EQ(store.SaveSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1").code, 0);
    EXPECT_TRUE(fs::is_symlink(home / "Nanakshahi.ini"));
    EXPECT_EQ(test::ReadFile(home / "dotfiles/tarnvel.ini"), "[Other]\nx=1\n\n[Tarnvel]\nRun_Startup=1\n");
    EXPECT_EQ(test::Entries(home / "dotfiles"), 1u);
}

// A file the store will not read is moved aside whole, once, under the first free name, and
// the save says so. (Each kind of file it refuses is tried through the program's exit.)
TEST(IniStore, AFileItWillNotReadIsKeptAsideUnderAFreeNameAndTheSaveSaysSo) {
    TempDir home;
    const std::string path = home / "Nanakshahi.ini";
    const std::string big = "[Other]\nx=1\n" + std::string(IniStore::kLimit, ';');
    test::WriteFile(path, big);
    test::WriteFile(path + ".unread", "an earlier one");
    IniStore store(home.path());
    EXPECT_EQ(store.GetSetting("Nanakshahi", "Tarnvel", "Run_Startup", "dflt"), "dflt");
    const StoreError e = store.SaveSetting("Nanakshahi", "Tarnvel", "Version", "Tarnvel 1.0");
    EXPECT_EQ(e.code, EFBIG);
    EXPECT_EQ(e.message, "The settings file " + path + " could not be read (" + std::strerror(EFBIG) +
                             "), so it was kept as " + path + ".unread-2 and the settings were saved in a new file.");
    EXPECT_EQ(store.SaveSetting("Nanakshahi", "Tarnvel", "Run_Startup", "1").code, 0) << "moved once";
    EXPECT_EQ(test::ReadFile(path), "[Tarnvel]\nVersion=Tarnvel 1.0\nRun_Startup=1\n");
    EXPECT_EQ(test::ReadFile(path + ".unread"), "an earlier one");
    EXPECT_EQ(test::ReadFile(path + ".unread-2"), big);
    EXPECT_EQ(test::Entries(home.path()), 3u);
}

// The real calls, with the last rename failing. (A full disk is tried through the program's exit.)
class FailingRename : public FileLayer {
public:
    int Rename(const std::string&, const std::string&) override {
        errno = EXDEV;
        return -1;
    }
};

TEST(IniStore, AFailedSaveLeavesTheFileItWillNotReadWhereItWas) {
    TempDir home;
    const std::string path = home / "Nanakshahi.ini";
    const std::string big = std::string(IniStore::kLimit + 1, 'x');
    test::WriteFile(path, big);
    FailingRename layer;
    const StoreError e = IniStore(home.path(), layer).SaveSetting("Nanakshahi", "Tarnvel", "Version", "1");
    EXPECT_EQ(e.code, EXDEV);
    EXPECT_NE(e.message.find("could not be saved to " + path), std::string::npos) << e.message;
    EXPECT_EQ(test::ReadFile(path), big);
    EXPECT_EQ(test::Entries(home.path()), 1u) << "nothing moved aside, no temporary file";
}

}  // namespace
}  // namespace tarnvel::platform::os
