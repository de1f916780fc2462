#include <gtest/gtest.h>

#include "desktop/module_startup.h"
#include "platform/fake/desktop_fakes.h"
#include "platform/fake/fakes.h"

namespace tarnvel {
namespace {

using platform::fake::FakeMessageDialog;
using platform::fake::FakeProgram;
using platform::fake::FakeRegistry;

// A program folder and the Run value's text in the platform's own form.
#ifdef _WIN32
const std::string kFolder = "C:\\Apps";
const std::string kCalData = "C:\\Apps\\cal.exe";
#else
const std::string kFolder = "/Apps";
const std::string kCalData = "/Apps/cal";
#endif

struct Start {
    FakeRegistry registry;
    FakeProgram program;
    FakeMessageDialog box;
    void update(bool enable) { UpdateRegistry(program.name, program.folder, enable, registry, program, box); }
};

// What the Run key holds afterwards, and that it is closed again.
TEST(Startup, EnableWritesThePathWithItsNulAndDisableDeletesItQuietly) {
    Start r;
    r.program.folder = kFolder;
    r.program.name = "cal";
    r.update(true);
    EXPECT_EQ(r.registry.values, (std::map<std::string, std::string>{{"cal", kCalData + '\0'}}));
    EXPECT_TRUE(r.registry.open_keys.empty());
    r.update(false);
    r.update(false);  // nothing left to delete
    EXPECT_TRUE(r.registry.values.empty());
    EXPECT_TRUE(r.registry.open_keys.empty());
    EXPECT_TRUE(r.box.shown.empty());
}

TEST(Startup, FailuresShowTheCodeAndTheSystemsTextAndTheKeyIsClosed) {
    struct Case {
        long create, set;
        bool throws;
        std::string message;
    } const cases[] = {
        {5, 0, false, "Error 5 opening key\r\nsystem text for 5"},
        {0, 28, false, "Error 28 setting key\r\nsystem text for 28"},
        {0, 0, true, "0 Out of memory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Start r;
        r.program.folder = kFolder;
        r.registry.create_result = c.create;
        r.registry.set_result = c.set;
        r.registry.throw_on_set = c.throws;
        r.update(true);
        EXPECT_TRUE(r.registry.values.empty());
        ASSERT_EQ(r.box.shown.size(), 1u);
        EXPECT_EQ(r.box.shown[0].text, c.message);
        EXPECT_EQ(r.box.shown[0].title, "Tarnvel 1.0");
        EXPECT_TRUE(r.registry.open_keys.empty());
    }
}

}  // namespace
}  // namespace tarnvel
