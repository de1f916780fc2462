// The settings file and the log-on entry damaged or blocked for real, through the
// program's start (strip load) and exit ("E&xit" on the icon's menu).
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "desktop/module_registry.h"
#include "platform/os/file_layer.h"
#include "tests/faults/fault_fixture.h"

namespace tarnvel::test {
namespace {

constexpr const char* kGregorian = "12 April 2027";
constexpr const char* kEnglish = "30 Chet, Sammat 559 Nanakshahi";

// A settings file the program cannot use: the start goes on with the defaults (the
// log-on entry is written, no message), and the next exit writes a good file.
TEST_F(FaultTest, UnusableSettingsFileStartsWithDefaultsAndExitWritesAGoodOne) {
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
    } cases[] = {
        {"garbage bytes",
         [](const fs::path& p) {
             std::string junk;
             for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919 + 13) % 256);
             WriteAll(p, "\xff\xfe[\x00Tarn\x01vel\n=UpdateRegistry\x80True\n" + junk);
         }},
        {"larger than a settings file can be", [](const fs::path& p) { WriteAll(p, std::string(3 << 20, 'x')); }},
        {"a named pipe nobody writes to", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
        {"a link pointing at itself", [](const fs::path& p) { fs::create_symlink(p, p); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(SettingsFile());
        fs::remove_all(config / "autostart");
        world.message_box.shown.clear();
        c.make(SettingsFile());
        UpdateRegistryFlag = true;  // what a previous start would leave; the load must reset it

        Start();
        ExpectRunning(kGregorian, kEnglish);
        EXPECT_FALSE(UpdateRegistryFlag);
        EXPECT_TRUE(fs::is_regular_file(AutostartEntry()));
        EXPECT_TRUE(world.message_box.shown.empty());

        prog->Exit();
        EXPECT_TRUE(prog->quit());
        EXPECT_FALSE(prog->strip().Loaded());
        EXPECT_TRUE(world.message_box.shown.empty()) << Messages()[0];
        ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(SettingsFile())));
        const std::string written = ReadAll(SettingsFile());
        EXPECT_NE(written.find(GoodSettings()), std::string::npos) << written;
        EXPECT_EQ(written.find('\0'), std::string::npos);
        prog.reset();
    }
}

TEST_F(FaultTest, FolderInPlaceOfTheSettingsFileStartsWithDefaultsAndExitSaysSo) {
    fs::create_directory(SettingsFile());
    Start();
    ExpectRunning(kGregorian, kEnglish);
    EXPECT_TRUE(world.message_box.shown.empty());

    prog->Exit();
    EXPECT_TRUE(prog->quit());
    ASSERT_EQ(world.message_box.shown.size(), 1u);
    const std::string text = world.message_box.shown[0].text;
    EXPECT_NE(text.find("could not be saved"), std::string::npos) << text;
    EXPECT_NE(text.find(SettingsFile().string()), std::string::npos) << text;
    EXPECT_NE(text.find(std::strerror(EISDIR)), std::string::npos) << text;
    EXPECT_TRUE(fs::is_directory(SettingsFile()));
}

// The real file calls, with the disk filling up after a few bytes of any write.
class FullDisk : public platform::os::FileLayer {
public:
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (size <= 8) return FileLayer::Write(fd, data, size);
        FileLayer::Write(fd, data, 8);
        errno = ENOSPC;
        return -1;
    }
};

constexpr const char* kOldSettings = "[Tarnvel]\nVersion=Tarnvel 0.9\nUpdateRegistry=True\nRun_Startup=1\n";

TEST_F(FaultTest, FullDiskAtExitKeepsTheOldFileAndNamesTheCause) {
    WriteAll(SettingsFile(), kOldSettings);
    FullDisk full;
    platform::os::IniStore store({}, full);
    Start(store);
    EXPECT_TRUE(UpdateRegistryFlag);

    prog->Exit();
    EXPECT_TRUE(prog->quit());
    EXPECT_FALSE(prog->strip().Loaded());
    EXPECT_FALSE(prog->reader().Loaded());
    ASSERT_EQ(world.message_box.shown.size(), 1u);
    EXPECT_NE(world.message_box.shown[0].text.find(std::strerror(ENOSPC)), std::string::npos)
        << world.message_box.shown[0].text;
    EXPECT_EQ(ReadAll(SettingsFile()), kOldSettings);
    for (const auto& e : fs::directory_iterator(config))  // no half-written files left beside it
        EXPECT_TRUE(e.path() == SettingsFile() || e.path() == config / "autostart") << e.path();
}

// Root writes anywhere: the exit runs in a child that gave up root, against a folder
// it may read but not write.
TEST_F(FaultTest, FolderNotWritableAtExitKeepsTheOldFileAndNamesTheCause) {
    WriteAll(SettingsFile(), kOldSettings);
    ::chmod(SettingsFile().c_str(), 0644);
    Start();
    ::chmod(config.c_str(), 0555);
    const int status = AsUnprivilegedChild([this] {
        prog->Exit();
        const auto& shown = world.message_box.shown;
        if (!prog->quit() || prog->strip().Loaded()) return 1;
        if (shown.size() != 1) return 2;
        if (shown[0].text.find(std::strerror(EACCES)) == std::string::npos) return 3;
        if (shown[0].text.find(SettingsFile().string()) == std::string::npos) return 4;
        return 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadAll(SettingsFile()), kOldSettings);
}

TEST_F(FaultTest, MissingAutostartFolderIsCreatedSilently) {
    fs::remove_all(config);  // the configuration folder itself is missing too
    Start();
    ExpectRunning(kGregorian, kEnglish);
    EXPECT_TRUE(world.message_box.shown.empty());
    const std::string entry = ReadAll(AutostartEntry());
    EXPECT_NE(entry.find("Exec="), std::string::npos) << entry;
}

TEST_F(FaultTest, FileInPlaceOfTheAutostartFolderIsReportedOnceAndTheStartGoesOn) {
    WriteAll(config / "autostart", "not a folder");
    Start();
    ExpectRunning(kGregorian, kEnglish);
    ASSERT_EQ(world.message_box.shown.size(), 1u);
    EXPECT_EQ(world.message_box.shown[0].text,
              "Error " + std::to_string(ENOTDIR) + " opening key\r\n" + std::strerror(ENOTDIR));
    EXPECT_EQ(ReadAll(config / "autostart"), "not a folder");
    // The exit still saves.
    prog->Exit();
    EXPECT_EQ(ReadAll(SettingsFile()), GoodSettings());
}

// The start, in a child without root: the message the user sees is the status's text.
TEST_F(FaultTest, UnwritableAutostartIsReportedOnceAndTheStartGoesOn) {
    const struct {
        const char* what;
        bool folder_exists;
        const char* step;
    } cases[] = {
        {"configuration folder read-only, no autostart folder", false, " opening key"},
        {"autostart folder read-only", true, " setting key"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(config / "autostart");
        if (c.folder_exists) fs::create_directory(config / "autostart");
        ::chmod(config.c_str(), c.folder_exists ? 0755 : 0555);
        if (c.folder_exists) ::chmod((config / "autostart").c_str(), 0555);
        const std::string expected = std::string("Error ") + std::to_string(EACCES) + c.step + "\r\n" +
                                     std::strerror(EACCES);
        const int status = AsUnprivilegedChild([&] {
            Start();
            const auto& shown = world.message_box.shown;
            if (shown.size() != 1) return 1;
            if (shown[0].text != expected) return 2;
            if (!prog->strip().Visible() || prog->strip().controls().Label2.Caption() != kEnglish) return 3;
            if (notify.calls.size() < 2) return 4;  // the icon and its tooltip came after the message
            return 0;
        });
        EXPECT_EQ(status, 0);
        EXPECT_FALSE(fs::exists(AutostartEntry()));
        ::chmod(config.c_str(), 0755);
        if (c.folder_exists) ::chmod((config / "autostart").c_str(), 0755);
    }
}

}  // namespace
}  // namespace tarnvel::test
