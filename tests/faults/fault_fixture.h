#pragma once
// The program with real settings and autostart files in a folder of its own
// ($XDG_CONFIG_HOME points there), real documents in another, and fakes for the screen,
// clock, pointer, message boxes and notification area.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/application.h"
#include "platform/fake/desktop_fakes.h"
#include "platform/fake/fakes.h"
#include "platform/os/autostart.h"
#include "platform/os/ini_store.h"
#include "richtext/tests/temp_dir.h"
#include "app/program.h"

namespace tarnvel::test {

namespace fs = std::filesystem;

// Runs `body` in a child that has given up root for good (user and group 65534), where
// permission bits hold; returns the child's exit status, or -1 when it died.
inline int AsUnprivilegedChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(90);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class FaultTest : public ::testing::Test {
protected:
    FaultTest() {
        char t[] = "/tmp/tarnvel-faults-XXXXXX";
        root = ::mkdtemp(t);
        ::chmod(root.c_str(), 0755);  // an unprivileged child must reach its folders
        config = root / "config";
        docs = root / "docs";
        fs::create_directories(config);
        fs::create_directories(docs);
        for (const char* doc : {"One.rtf", "Two.rtf"}) fs::copy_file(fs::path(TARNVEL_DOCS_DIR) / doc, docs / doc);
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_home = old;
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        world.clock.today = {2027, 4, 12};
    }
    ~FaultTest() override {
        prog.reset();
        if (saved_home) ::setenv("XDG_CONFIG_HOME", saved_home->c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(root, ec))
            if (e.is_directory(ec)) fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root, ec);
    }

    // The program as it runs, settings through `store`.
    void Start(platform::SettingsStore& store) {
        prog = std::make_unique<Program>(
            ProgramWorld{world.world(), store, registry, identity, notify, messages, date_watch, docs.string(), {}});
        prog->Start();
    }
    void Start() { Start(settings); }

    fs::path SettingsFile() const { return config / "Nanakshahi.ini"; }
    fs::path AutostartEntry() const {
        return config / "autostart" / (platform::Application::ProgramName() + ".desktop");
    }
    // The file a good exit leaves.
    std::string GoodSettings() const {
        return "[Tarnvel]\nVersion=Tarnvel 1.0\nUpdateRegistry=False\nApplication Path=" + identity.AppPath() +
               "\nRun_Startup=1\n";
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : world.message_box.shown) texts.push_back(m.text);
        return texts;
    }

    // The calendar started and shows today: strip on screen with today's dates, icon tooltip set.
    void ExpectRunning(const std::string& gregorian, const std::string& english) {
        strip::frmFirst& s = prog->strip();
        EXPECT_TRUE(s.Visible());
        EXPECT_EQ(s.controls().Label1.Caption(), gregorian);
        EXPECT_EQ(s.controls().Label2.Caption(), english);
        EXPECT_FALSE(notify.calls.empty());
    }

    fs::path root, config, docs;
    std::optional<std::string> saved_home;
    platform::fake::FakeWorld world;
    platform::fake::FakeNotifyIcon notify;
    platform::fake::FakeWindowMessages messages;
    platform::fake::FakeDateWatch date_watch;
    platform::os::IniStore settings;
    platform::os::AutostartRegistry registry;
    const platform::ProgramIdentity& identity = platform::Application::Identity();
    std::unique_ptr<Program> prog;
};

}  // namespace tarnvel::test
