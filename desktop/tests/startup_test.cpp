#include <gtest/gtest.h>

#include "desktop/module_startup.h"
#include "platform/fake/desktop_fakes.h"
#include "platform/fake/fakes.h"

namespace tarnvel {
namespace {

using platform::fake::FakeMessageDialog;
using platform::fake::FakeProgram;
using platform::fake::FakeRegistry;

const std::string kCreate =
    "create 2147483649 Software\\Microsoft\\Windows\\CurrentVersion\\Run 0 0 0 131078";

// A program folder and the Run value's text in the platform's own form.
#ifdef _WIN32
const std::string kFolder = "C:\\Apps";
const std::string kCalData = "C:\\Apps\\cal.exe";
const std::string kCalSet = "set 42 cal 0 1 16";
const std::string kTarnvelSet = "set 42 tarnvel 0 1 20";  // C:\Apps\tarnvel.exe and its NUL
#else
const std::string kFolder = "/Apps";
const std::string kCalData = "/Apps/cal";
const std::string kCalSet = "set 42 cal 0 1 10";
const std::string kTarnvelSet = "set 42 tarnvel 0 1 14";  // /Apps/tarnvel and its NUL
#endif

struct Start {
    FakeRegistry registry;
    FakeProgram program;
    FakeMessageDialog box;
    void update(bool enable) { UpdateRegistry(program.name, program.folder, enable, registry, program, box); }
};

TEST(Startup, EnableWritesThePathWithItsNul) {
    Start r;
    r.program.folder = kFolder;
    r.program.name = "cal";
    r.update(true);
    EXPECT_EQ(r.registry.calls, (std::vector<std::string>{kCreate, kCalSet, "close 42"}));
    EXPECT_EQ(r.registry.values["cal"], kCalData + '\0');
    EXPECT_TRUE(r.box.shown.empty());
}

// The Windows form of the data, whatever platform the test runs on.
TEST(Startup, RunValueDataUsesThePlatformSeparatorAndSuffix) {
#ifdef _WIN32
    EXPECT_EQ(RunValueData("C:\\Apps", "cal"), "C:\\Apps\\cal.exe");
    EXPECT_EQ(RunValueData("C:\\Apps", "cal").size() + 1, 16u);
    EXPECT_EQ(RunValueData("C:\\Program Files\\Tarnvel", "tarnvel"), "\"C:\\Program Files\\Tarnvel\\tarnvel.exe\"");
#else
    EXPECT_EQ(RunValueData("/opt/tarnvel", "tarnvel"), "/opt/tarnvel/tarnvel");
    EXPECT_EQ(RunValueData("/home/a b", "tarnvel"), "/home/a b/tarnvel");
#endif
}

TEST(Startup, DisableDeletesQuietlyEvenWhenNothingIsThere) {
    Start r;
    r.update(false);
    EXPECT_EQ(r.registry.calls, (std::vector<std::string>{kCreate, "delete 42 tarnvel", "close 42"}));
    EXPECT_TRUE(r.box.shown.empty());
}

TEST(Startup, FailuresShowTheCodeAndTheSystemsTextAndTheKeyIsClosed) {
    struct Case {
        long create, set;
        bool throws;
        std::vector<std::string> calls;
        std::string message;
    } const cases[] = {
        {5, 0, false, {kCreate}, "Error 5 opening key\r\nsystem text for 5"},
        {0, 28, false, {kCreate, kTarnvelSet, "close 42"}, "Error 28 setting key\r\nsystem text for 28"},
        {0, 0, true, {kCreate, kTarnvelSet, "close 42"}, "0 Out of memory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Start r;
        r.program.folder = kFolder;
        r.registry.create_result = c.create;
        r.registry.set_result = c.set;
        r.registry.throw_on_set = c.throws;
        r.update(true);
        EXPECT_EQ(r.registry.calls, c.calls);
        ASSERT_EQ(r.box.shown.size(), 1u);
        EXPECT_EQ(r.box.shown[0].text, c.message);
        EXPECT_EQ(r.box.shown[0].title, "Tarnvel 1.0");
        EXPECT_TRUE(r.registry.open_keys.empty());
    }
}

}  // namespace
}  // namespace tarnvel
