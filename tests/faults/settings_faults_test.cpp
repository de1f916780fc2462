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

using namespace std::string_literals;

constexpr const char* kGregorian = "12 April 2027";
constexpr const char* kEnglish = "30 Chet, Sammat 559 Nanakshahi";

// A settings file with damage in it: the start reads only what is plainly the program's (no
// message, the log-on entry written), and the exit adds the program's values and keeps every
// other byte.
TEST_F(FaultTest, DamagedSettingsFileKeepsEveryByteAndGainsTheProgramsValues) {
    std::string junk = "\xff\xfe[\x00Tarn\x01vel\n=UpdateRegistry\x80True\n"s;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919 + 13) % 256);
    junk += '\x7f';  // no line end at the end
    const std::string path = "Application Path=" + identity.AppPath();
    const struct {
        const char* what;
        std::string before;
        bool flag;  // the UpdateRegistry read at the start
        std::string after;
    } cases[] = {
        {"garbage bytes", junk, false, junk + "\n\n" + GoodSettings()},
        {"nothing but NUL bytes", std::string(4096, '\0'), false, std::string(4096, '\0') + "\n\n" + GoodSettings()},
        {"a header damaged by NUL bytes, with the other section's keys under it",
         "[Tarnvel]\r\nUpdateRegistry=True\r\n\0\0\0[Tail]\nRun_Startup=0\nUpdateRegistry=False\n"s, true,
         "[Tarnvel]\r\nUpdateRegistry=True\r\nVersion=Tarnvel 1.0\r\n" + path +
             "\r\nRun_Startup=1\r\n\0\0\0[Tail]\nRun_Startup=0\nUpdateRegistry=False\n"s},
        {"other sections and comments",
         "; written by hand\n[Other]\nkey = value\n\n[Tarnvel]\nRun_Startup=1\nVersion=Tarnvel 0.9\nmine=kept\n", false,
         "; written by hand\n[Other]\nkey = value\n\n[Tarnvel]\nRun_Startup=1\nVersion=Tarnvel 1.0\nmine=kept\n"
         "UpdateRegistry=False\n" + path + "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(config / "autostart");
        world.message_box.shown.clear();
        WriteFile(SettingsFile(), c.before);
        UpdateRegistryFlag = !c.flag;  // what a previous start would leave; the load must set it

        Start();
        ExpectRunning(kGregorian, kEnglish);
        EXPECT_EQ(UpdateRegistryFlag, c.flag);
        EXPECT_TRUE(fs::is_regular_file(AutostartEntry())) << "Run_Startup is 1 unless the program's own key says not";

        prog->Exit();
        EXPECT_TRUE(prog->quit());
        EXPECT_TRUE(world.message_box.shown.empty()) << Messages()[0];
        EXPECT_EQ(ReadFile(SettingsFile()), c.after);
        EXPECT_EQ(std::distance(fs::directory_iterator(config), {}), 2) << "the file and the autostart folder";
        prog.reset();
    }
}

// A settings file the program will not read: the start goes on with the defaults, and the
// exit moves the file aside whole, once, says where it went and writes a good file.
TEST_F(FaultTest, UnreadableSettingsFileIsMovedAsideOnceAndTheExitSaysSo) {
    const std::string big = "[Other]\nkey=value\n" + std::string(10 << 20, 'x');
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        int error;
        fs::file_type kept;
    } cases[] = {
        {"10 MB", [&](const fs::path& p) { WriteFile(p, big); }, EFBIG, fs::file_type::regular},
        {"a named pipe nobody writes to", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }, EINVAL,
         fs::file_type::fifo},
        {"a link pointing at itself", [](const fs::path& p) { fs::create_symlink(p, p); }, ELOOP,
         fs::file_type::symlink},
    };
    const fs::path aside = SettingsFile().string() + ".unread";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(SettingsFile());
        fs::remove(aside);
        world.message_box.shown.clear();
        c.make(SettingsFile());
        UpdateRegistryFlag = true;

        Start();
        ExpectRunning(kGregorian, kEnglish);
        EXPECT_FALSE(UpdateRegistryFlag);
        EXPECT_TRUE(world.message_box.shown.empty());
        prog->Exit();
        EXPECT_TRUE(prog->quit());
        EXPECT_EQ(Messages(), std::vector<std::string>{"The settings file " + SettingsFile().string() +
                                                       " could not be read (" + std::strerror(c.error) +
                                                       "), so it was kept as " + aside.string() +
                                                       " and the settings were saved in a new file."});
        EXPECT_EQ(ReadFile(SettingsFile()), GoodSettings());
        EXPECT_EQ(fs::symlink_status(aside).type(), c.kept);
        if (c.error == EFBIG) {
            EXPECT_TRUE(ReadFile(aside) == big) << "kept byte for byte";
        }
        prog.reset();

        world.message_box.shown.clear();
        Start();
        prog->Exit();
        EXPECT_TRUE(world.message_box.shown.empty()) << "once";
        EXPECT_EQ(ReadFile(SettingsFile()), GoodSettings());
        EXPECT_EQ(std::distance(fs::directory_iterator(config), {}), 3) << "the file, the one kept, autostart";
        prog.reset();
    }
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

// An exit that cannot save still ends the program, says why once and leaves what was there:
// a folder in the file's place, or the old file on a full disk (also one the program would
// have moved aside), with nothing half-written or moved beside it.
TEST_F(FaultTest, AnExitThatCannotSaveKeepsWhatWasThereAndNamesTheCause) {
    FullDisk full;
    const struct {
        const char* what;
        std::string old;  // empty: a folder in the file's place
        platform::os::FileLayer& layer;
        int error;
    } cases[] = {
        {"a folder in the file's place", "", platform::os::FileLayer::Real(), EISDIR},
        {"a full disk", kOldSettings, full, ENOSPC},
        {"a full disk under a file too large to read", std::string(10 << 20, 'x'), full, ENOSPC},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        world.message_box.shown.clear();
        fs::remove_all(SettingsFile());
        if (c.old.empty()) fs::create_directory(SettingsFile());
        else WriteFile(SettingsFile(), c.old);
        platform::os::IniStore store({}, c.layer);
        Start(store);
        ExpectRunning(kGregorian, kEnglish);
        EXPECT_TRUE(world.message_box.shown.empty());
        EXPECT_EQ(UpdateRegistryFlag, c.old == kOldSettings);

        prog->Exit();
        EXPECT_TRUE(prog->quit());
        EXPECT_FALSE(prog->strip().Loaded());
        EXPECT_FALSE(prog->reader().Loaded());
        ASSERT_EQ(world.message_box.shown.size(), 1u);
        const std::string text = world.message_box.shown[0].text;
        EXPECT_NE(text.find("could not be saved to " + SettingsFile().string()), std::string::npos) << text;
        EXPECT_NE(text.find(std::strerror(c.error)), std::string::npos) << text;
        EXPECT_TRUE(c.old.empty() ? fs::is_directory(SettingsFile()) : ReadFile(SettingsFile()) == c.old);
        for (const auto& e : fs::directory_iterator(config))  // no half-written or moved files beside it
            EXPECT_TRUE(e.path() == SettingsFile() || e.path() == config / "autostart") << e.path();
        prog.reset();
    }
}

// The user's own file that the user may not read, or may not change: root reads and writes
// anything, so the whole run is in a child that gave up root, in a folder it owns.
TEST_F(FaultTest, SettingsFileTheUserMayNotReadOrChange) {
    const fs::path aside = SettingsFile().string() + ".unread";
    const struct {
        const char* what;
        std::string old;
        mode_t mode;
        std::vector<std::string> messages;
        std::string after;
    } cases[] = {
        {"unreadable", kOldSettings, 0000,
         {"The settings file " + SettingsFile().string() + " could not be read (" + std::strerror(EACCES) +
          "), so it was kept as " + aside.string() + " and the settings were saved in a new file."},
         GoodSettings()},
        {"read-only", kOldSettings, 0444,
         {"The settings could not be saved to " + SettingsFile().string() + ": the file is read-only (" +
          std::strerror(EACCES) + ")."},
         kOldSettings},
        {"read-only, already holding what the exit saves", GoodSettings(), 0444, {}, GoodSettings()},
    };
    ASSERT_EQ(::chown(config.c_str(), 65534, 65534), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(config / "autostart");
        fs::remove(aside);
        WriteFile(SettingsFile(), c.old);
        ASSERT_EQ(::chown(SettingsFile().c_str(), 65534, 65534), 0);
        ::chmod(SettingsFile().c_str(), c.mode);
        const int status = AsUnprivilegedChild([&] {
            Start();
            if (!world.message_box.shown.empty()) return 1;
            prog->Exit();
            if (!prog->quit()) return 2;
            return Messages() == c.messages ? 0 : 3;
        });
        EXPECT_EQ(status, 0);
        EXPECT_EQ(ReadFile(SettingsFile()), c.after);
        if (c.mode == 0000) {
            EXPECT_EQ(ReadFile(aside), c.old);
            EXPECT_EQ(fs::status(aside).permissions(), fs::perms::none) << "moved as it was";
        } else {
            EXPECT_FALSE(fs::exists(aside));
        }
    }
}

// Root writes anywhere: the exit runs in a child that gave up root, against a folder
// it may read but not write.
TEST_F(FaultTest, FolderNotWritableAtExitKeepsTheOldFileAndNamesTheCause) {
    WriteFile(SettingsFile(), kOldSettings);
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
    EXPECT_EQ(ReadFile(SettingsFile()), kOldSettings);
}

TEST_F(FaultTest, MissingAutostartFolderIsCreatedSilently) {
    fs::remove_all(config);  // the configuration folder itself is missing too
    Start();
    ExpectRunning(kGregorian, kEnglish);
    EXPECT_TRUE(world.message_box.shown.empty());
    const std::string entry = ReadFile(AutostartEntry());
    EXPECT_NE(entry.find("Exec="), std::string::npos) << entry;
}

TEST_F(FaultTest, FileInPlaceOfTheAutostartFolderIsReportedOnceAndTheStartGoesOn) {
    WriteFile(config / "autostart", "not a folder");
    Start();
    ExpectRunning(kGregorian, kEnglish);
    ASSERT_EQ(world.message_box.shown.size(), 1u);
    EXPECT_EQ(world.message_box.shown[0].text,
              "Error " + std::to_string(ENOTDIR) + " opening key\r\n" + std::strerror(ENOTDIR));
    EXPECT_EQ(ReadFile(config / "autostart"), "not a folder");
    // The exit still saves.
    prog->Exit();
    EXPECT_EQ(ReadFile(SettingsFile()), GoodSettings());
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
