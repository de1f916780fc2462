#include <gtest/gtest.h>

#include "desktop/module_registry.h"
#include "platform/fake/desktop_fakes.h"
#include "platform/fake/fakes.h"

namespace tarnvel {
namespace {

using platform::fake::FakeMessageDialog;
using platform::fake::FakeProgram;
using platform::fake::FakeSettingsStore;

void store(FakeSettingsStore& s, const std::string& key, const std::string& value) {
    s.values[{"Nanakshahi", "Tarnvel", key}] = value;
}

TEST(Settings, StoredUpdateRegistryComesBackAtExit) {
    struct Case {
        const char* stored;  // nullptr: nothing stored
        const char* written;
    } const cases[] = {
        {nullptr, "False"}, {"False", "False"}, {"True", "True"}, {"true", "True"},  {"FALSE", "False"},
        {"1", "True"},      {"-1", "True"},     {"0", "False"},   {"0.0", "False"},  {"yes", "False"},
        {"", "False"},      {"garbage\x01", "False"},             {" True ", "True"}, {"nan", "False"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        FakeSettingsStore s;
        if (c.stored) store(s, "UpdateRegistry", c.stored);
        UpdateRegistryFlag = true;  // whatever a previous run left
        LoadSettings(s);
        FakeProgram program;
        FakeMessageDialog box;
        EXPECT_TRUE(SaveSettings(s, program, box));
        EXPECT_EQ(s.values[std::make_tuple("Nanakshahi", "Tarnvel", "UpdateRegistry")], c.written);
        EXPECT_TRUE(box.shown.empty());
    }
}

TEST(Settings, RunAtStartupReadsANumber) {
    struct Case {
        const char* stored;
        bool wanted;
    } const cases[] = {
        {nullptr, true}, {"1", true}, {"1.0", true}, {" 1", true}, {"0", false}, {"2", false},
        {"-1", false},   {"abc", true}, {"", true}, {"0x1", true}, {"True", true}, {"01", true},
        {"+1", true},    {" 1 ", true}, {"1x", true}, {"1e0", true},
    };
    for (const Case& c : cases) {
        FakeSettingsStore s;
        if (c.stored) store(s, "Run_Startup", c.stored);
        EXPECT_EQ(RunAtStartupWanted(s), c.wanted) << (c.stored ? c.stored : "(missing)");
        EXPECT_EQ(s.log, std::vector<std::string>{"get Run_Startup"});
    }
}

TEST(Settings, AFailedSaveIsReportedOnceAndTheRestIsStillTried) {
    FakeSettingsStore s;
    s.failing_keys = {"UpdateRegistry", "Run_Startup"};
    FakeProgram program;
    FakeMessageDialog box;
    EXPECT_FALSE(SaveSettings(s, program, box));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "disk full saving UpdateRegistry");
    EXPECT_EQ(box.shown[0].title, "Tarnvel 1.0");
    EXPECT_EQ(s.log.size(), 4u);
}

}  // namespace
}  // namespace tarnvel
