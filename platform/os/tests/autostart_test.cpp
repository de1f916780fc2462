#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>

#include "cli/tests/process.h"
#include "platform/os/autostart.h"
#include "platform/os/desktop_entry.h"
#include "richtext/tests/temp_dir.h"

namespace tarnvel::platform::os {
namespace {

using test::TempDir;

// Reads an entry as a desktop would: key=value lines, string escapes undone.
std::map<std::string, std::string> keys_of(const std::string& entry) {
    std::map<std::string, std::string> keys;
    std::size_t pos = 0;
    while (pos < entry.size()) {
        const auto eol = entry.find('\n', pos);
        const std::string line = entry.substr(pos, eol - pos);
        pos = eol == std::string::npos ? entry.size() : eol + 1;
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string v;
        for (std::size_t i = eq + 1; i < line.size(); ++i) {
            if (line[i] != '\\' || i + 1 == line.size()) {
                v += line[i];
                continue;
            }
            const char n = line[++i];
            v += n == 's' ? ' ' : n == 'n' ? '\n' : n == 't' ? '\t' : n == 'r' ? '\r' : n;
        }
        EXPECT_FALSE(keys.count(line.substr(0, eq))) << "key written twice: " << line;
        keys[line.substr(0, eq)] = v;
    }
    return keys;
}

// The one argument of an unescaped Exec value: quotes removed, backslash escapes
// and doubled percents undone; empty with `ok` false if it is not exactly one argument.
std::string exec_argument(const std::string& exec, bool& ok) {
    ok = exec.size() >= 2 && exec.front() == '"' && exec.back() == '"';
    std::string arg;
    for (std::size_t i = 1; ok && i + 1 < exec.size(); ++i) {
        char c = exec[i];
        if (c == '\\') c = exec[++i];
        else if (c == '"') ok = false;
        else if (c == '%' && exec[i + 1] == '%') ++i;
        else if (c == '%') ok = false;  // a field code would be expanded
        arg += c;
    }
    return arg;
}

bool validates(const std::string& path) {
#ifdef DESKTOP_FILE_VALIDATE
    const test::ProcessResult r = test::run_process({DESKTOP_FILE_VALIDATE, path});
    EXPECT_EQ(r.out + r.err, "") << path;
    return r.status == 0;
#else
    (void)path;
    return true;
#endif
}

long write_value(AutostartRegistry& reg, const std::string& name, const std::string& program) {
    RegKey key = 0;
    if (const long e = reg.RegCreateKeyExA(HKEY_CURRENT_USER_, RunKeyPath, 0, "0", 0, KEY_WRITE_, &key)) return e;
    const std::string data = program + '\0';
    const long e = reg.RegSetValueExA(key, name, 0, REG_SZ_, data, static_cast<std::uint32_t>(data.size()));
    EXPECT_EQ(reg.RegCloseKey(key), 0);
    return e;
}

TEST(Autostart, HostileFolderNamesNameExactlyTheProgram) {
    const std::string folders[] = {
        "/opt/tarnvel",
        "/home/a b/My Apps",
        "/tmp/quote\"d/it's",
        "/tmp/100%/%f %U %%",
        "/tmp/$HOME/`id`/$(reboot)",
        "/tmp/back\\slash\\",
        "/tmp/new\nline\nHidden=true\nExec=/bin/evil",
        "/tmp/tab\there; rm -rf ~ &",
        "/tmp/ਨਾਨਕਸ਼ਾਹੀ/Ünïcødé",
        " /leading space",
    };
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        TempDir home;
        AutostartRegistry reg(home / "autostart");
        const std::string program = folder + "/tarnvel";
        ASSERT_EQ(write_value(reg, "tarnvel", program), 0);
        const std::string path = home / "autostart/tarnvel.desktop";
        const auto keys = keys_of(test::ReadFile(path));
        EXPECT_EQ(keys.size(), 6u);
        EXPECT_EQ(keys.at("Type"), "Application");
        EXPECT_EQ(keys.at("Name"), "tarnvel");
        EXPECT_EQ(keys.at("TryExec"), program);
        EXPECT_EQ(keys.count("Hidden"), 0u);
        bool one_argument = false;
        EXPECT_EQ(exec_argument(keys.at("Exec"), one_argument), program);
        EXPECT_TRUE(one_argument) << keys.at("Exec");
        EXPECT_TRUE(validates(path));
    }
}

TEST(Autostart, KeyCreatesTheFolderAndValuesComeAndGo) {
    TempDir home;
    AutostartRegistry reg(home / "config/autostart");
    RegKey key = 0;
    ASSERT_EQ(reg.RegCreateKeyExA(HKEY_CURRENT_USER_, RunKeyPath, 0, "0", 0, KEY_WRITE_, &key), 0);
    EXPECT_TRUE(std::filesystem::is_directory(home / "config/autostart"));
    const std::string data = std::string("/opt/t/tarnvel") + '\0';
    EXPECT_EQ(reg.RegSetValueExA(key, "tarnvel", 0, REG_SZ_, data, 15), 0);
    EXPECT_TRUE(std::filesystem::exists(home / "config/autostart/tarnvel.desktop"));
    EXPECT_EQ(reg.RegDeleteValueA(key, "tarnvel"), 0);
    EXPECT_FALSE(std::filesystem::exists(home / "config/autostart/tarnvel.desktop"));
    EXPECT_EQ(reg.RegDeleteValueA(key, "tarnvel"), ENOENT);
    EXPECT_EQ(reg.RegCloseKey(key), 0);
    EXPECT_EQ(reg.RegCloseKey(key), EBADF);
    EXPECT_EQ(reg.RegSetValueExA(key, "tarnvel", 0, REG_SZ_, data, 15), EBADF);
}

TEST(Autostart, RefusesWhatIsNotAWellFormedTextValue) {
    TempDir home;
    AutostartRegistry reg(home.path());
    RegKey key = 0;
    ASSERT_EQ(reg.RegCreateKeyExA(HKEY_CURRENT_USER_, RunKeyPath, 0, "0", 0, KEY_WRITE_, &key), 0);
    const std::string good = std::string("/opt/t/tarnvel") + '\0';
    struct Case {
        std::string name, data;
        std::uint32_t type, length;
    } const cases[] = {
        {"tarnvel", good, REG_SZ_, 14},                    // length without the NUL
        {"tarnvel", "/opt/t/tarnvel", REG_SZ_, 14},         // no NUL at all
        {"tarnvel", good, 3, 15},                           // not a text value
        {"../escape", good, REG_SZ_, 15},
        {".hidden", good, REG_SZ_, 15},
        {"", good, REG_SZ_, 15},
        {"tarnvel", std::string(1, '\0'), REG_SZ_, 1},      // no program
        {"tarnvel", std::string("/a\0/b\0", 6), REG_SZ_, 6},  // NUL inside
    };
    for (const Case& c : cases) EXPECT_EQ(reg.RegSetValueExA(key, c.name, 0, c.type, c.data, c.length), EINVAL) << c.name;
    EXPECT_EQ(test::Entries(home.path()), 0u);
    RegKey other = 0;
    EXPECT_EQ(reg.RegCreateKeyExA(HKEY_CURRENT_USER_, "Software\\Other", 0, "0", 0, KEY_WRITE_, &other), EINVAL);
}

}  // namespace
}  // namespace tarnvel::platform::os
