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
// other byte. One the program will not read: the start goes on with the defaults, and the exit
// moves it aside whole, once, says where it went and writes a good file. A second run changes
// nothing.
TEST_F(FaultTest, DamagedOrUnreadableSettingsFileKeepsEveryByte) {
    std::string junk = "\xff\xfe[\x00Tarn\x01vel\n=UpdateRegistry\x80True\n"s;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919 + 13) % 256);
    junk += '\x7f';  // no line end at the end
    const std::string big = "[Other]\nkey=value\n" + std::string(10 << 20, 'x');
    const auto holding = [](const std::string& bytes) { return [bytes](const fs::path& p) { WriteFile(p, bytes); }; };
    const std::string path = "Application Path=" + identity.AppPath();
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        bool flag;  // the UpdateRegistry read at the start
        std::string after;
        int error = 0;                                  // why the file is not read; 0: it is
        fs::file_type kept = fs::file_type::not_found;  // what is kept aside
    } cases[] = {
        {"garbage bytes", holding(junk), false, junk + "\n\n" + GoodSettings()},
        {"nothing but NUL bytes", holding(std::string(4096, '\0')), false,
         std::string(4096, '\0') + "\n\n" + GoodSettings()},
        {"a header damaged by NUL bytes, with the other section's keys under it",
         holding("[Tarnvel]\r\nUpdateRegistry=True\r\n\0\0\0[Tail]\nRun_Startup=0\nUpdateRegistry=False\n"s), true,
         "[Tarnvel]\r\nUpdateRegistry=True\r\nVersion=Tarnvel 1.0\r\n" + path +
             "\r\nRun_Startup=1\r\n\0\0\0[Tail]\nRun_Startup=0\nUpdateRegistry=False\n"s},
        {"other sections and comments",
         holding("; written by hand\n[Other]\nkey = value\n\n[Tarnvel]\nRun_Startup=1\nVersion=Tarnvel 0.9\nmine=kept\n"),
         false,
         "; written by hand\n[Other]\nkey = value\n\n[Tarnvel]\nRun_Startup=1\nVersion=Tarnvel 1.0\nmine=kept\n"
         "UpdateRegistry=False\n" + path + "\n"},
        {"10 MB", holding(big), false, GoodSettings(), EFBIG, fs::file_type::regular},
        {"a named pipe nobody writes to", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }, false,
         GoodSettings(), EINVAL, fs::file_type::fifo},
        {"a link pointing at itself", [](const fs::path& p) { fs::create_symlink(p, p); }, false, GoodSettings(), ELOOP,
         fs::file_type::symlink},
    };
    const fs::path aside = SettingsFile().string() + ".unread";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(config / "autostart");
        fs::remove(SettingsFile());
        fs::remove(aside);
        world.message_box.shown.clear();
        c.make(SettingsFile());
        UpdateRegistryFlag = !c.flag;  // what a previous start would leave; the load must set it

        Start();
        ExpectRunning(kGregorian, kEnglish);
        EXPECT_EQ(UpdateRegistryFlag, c.flag);
        EXPECT_TRUE(fs::is_regular_file(AutostartEntry())) << "Run_Startup is 1 unless the program's own key says not";
        EXPECT_TRUE(world.message_box.shown.empty());
        prog->Exit();
        EXPECT_TRUE(prog->quit());
        std::vector<std::string> told;
        if (c.error != 0)
            told.push_back("The settings file " + SettingsFile().string() + " could not be read (" +
                           std::strerror(c.error) + "), so it was kept as " + aside.string() +
                           " and the settings were saved in a new file.");
        EXPECT_EQ(Messages(), told);
        EXPECT_EQ(ReadFile(SettingsFile()), c.after);
        EXPECT_EQ(fs::symlink_status(aside).type(), c.kept);
        if (c.error == EFBIG) {
            EXPECT_TRUE(ReadFile(aside) == big) << "kept byte for byte";
        }
        prog.reset();

        world.message_box.shown.clear();
        Start();
        prog->Exit();
        EXPECT_TRUE(world.message_box.shown.empty()) << "once";
        EXPECT_EQ(ReadFile(SettingsFile()), c.after);
        EXPECT_EQ(Entries(config), c.error == 0 ? 2u : 3u)
            << "the file, the one kept, autostart";
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
        EXPECT_EQ(Messages(), std::vector<std::string>{"The settings could not be saved to " + SettingsFile().string() +
                                                       ": " + std::strerror(c.error)});
        EXPECT_TRUE(c.old.empty() ? fs::is_directory(SettingsFile()) : ReadFile(SettingsFile()) == c.old);
        for (const auto& e : fs::directory_iterator(config))  // no half-written or moved files beside it
            EXPECT_TRUE(e.path() == SettingsFile() || e.path() == config / "autostart") << e.path();
        prog.reset();
    }
}

// The user's own file that the user may not read or change, or its folder the user may not
// write: root reads and writes anything, so the whole run is in a child that gave up root, in
// folders it owns.
TEST_F(FaultTest, SettingsFileOrFolderTheUserMayNotReadOrChange) {
    const fs::path aside = SettingsFile().string() + ".unread";
    const struct {
        const char* what;
        std::string old;
        mode_t mode;
        std::vector<std::string> messages;
        std::string after;
        mode_t folder = 0755;
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
        // The file may be written, but no new file can be made beside it to replace it.
        {"in a read-only folder", kOldSettings, 0644,
         {"The settings could not be saved to " + SettingsFile().string() + ": " + std::strerror(EACCES)},
         kOldSettings, 0555},
    };
    ASSERT_EQ(::chown(config.c_str(), 65534, 65534), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(config / "autostart");
        fs::create_directory(config / "autostart");  // the child's own, for its log-on entry
        ASSERT_EQ(::chown((config / "autostart").c_str(), 65534, 65534), 0);
        fs::remove(aside);
        WriteFile(SettingsFile(), c.old);
        ASSERT_EQ(::chown(SettingsFile().c_str(), 65534, 65534), 0);
        ::chmod(SettingsFile().c_str(), c.mode);
        ::chmod(config.c_str(), c.folder);
        const int status = AsUnprivilegedChild([&] {
            Start();
            if (!world.message_box.shown.empty()) return 1;
            prog->Exit();
            if (!prog->quit()) return 2;
            return Messages() == c.messages ? 0 : 3;
        });
        ::chmod(config.c_str(), 0755);
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

// A log-on entry that cannot be written is reported once, with the status's text, and leaves
// what was there; the start goes on and the exit still saves. Missing folders are made silently.
// Read-only folders need a child without root.
TEST_F(FaultTest, AutostartFolderMissingBlockedOrReadOnly) {
    const auto error = [](int e, const char* step) {
        return "Error " + std::to_string(e) + step + "\r\n" + std::strerror(e);
    };
    const struct {
        const char* what;
        std::function<void()> make;
        bool unprivileged;
        std::vector<std::string> messages;  // none: the entry is written
    } cases[] = {
        {"no configuration folder at all", [&] { fs::remove_all(config); }, false, {}},
        {"a file in the autostart folder's place", [&] { WriteFile(config / "autostart", "not a folder"); }, false,
         {error(ENOTDIR, " opening key")}},
        {"configuration folder read-only, no autostart folder", [&] { ::chmod(config.c_str(), 0555); }, true,
         {error(EACCES, " opening key")}},
        {"autostart folder read-only",
         [&] { fs::create_directory(config / "autostart"); ::chmod((config / "autostart").c_str(), 0555); }, true,
         {error(EACCES, " setting key")}},
    };
    const auto there = [&] {
        const fs::path a = config / "autostart";
        return fs::is_directory(a) ? "a folder" : fs::exists(a) ? ReadFile(a) : "nothing";
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::create_directories(config);
        fs::remove_all(config / "autostart");
        fs::remove(SettingsFile());
        world.message_box.shown.clear();
        notify.calls.clear();
        c.make();
        const std::string before = there();
        const auto run = [&] {
            Start();
            if (Messages() != c.messages) return 1;
            if (!prog->strip().Visible() || prog->strip().controls().Label2.Caption() != kEnglish) return 2;
            if (notify.calls.size() < 2) return 3;  // the icon and its tooltip came after the message
            return 0;
        };
        EXPECT_EQ(c.unprivileged ? AsUnprivilegedChild(run) : run(), 0);
        ::chmod(config.c_str(), 0755);
        EXPECT_EQ(ReadFile(AutostartEntry()).find("Exec=") != std::string::npos, c.messages.empty());
        EXPECT_EQ(there(), c.messages.empty() ? "a folder" : before) << "left as it was unless written";
        if (!c.unprivileged) {
            prog->Exit();
            EXPECT_EQ(ReadFile(SettingsFile()), GoodSettings()) << "the exit still saves";
        }
        prog.reset();
    }
}

}  // namespace
}  // namespace tarnvel::test
