#include <gtest/gtest.h>

#include "desktop/module.h"
#include "platform/fake/desktop_fakes.h"
#include "platform/fake/fakes.h"

namespace tarnvel {
namespace {

// Two windows that log what is done to them, into the same log as the settings store.
struct AllWindows : testing::Test {
    std::vector<std::string> log;
    struct State {
        bool loaded = true, visible = true;
    } strip, reader;
    bool area = true;
    platform::fake::FakeSettingsStore settings;
    platform::fake::FakeProgram program;
    platform::fake::FakeMessageDialog box;

    ProgramWindow window(const std::string& name, State& s) {
        return {
            [&s] { return s.loaded; },
            [&s] { return s.visible; },
            [this, name, &s] { log.push_back("Show " + name), s.visible = true; },
            [this, name, &s] { log.push_back("Hide " + name), s.visible = false; },
            [this, name, &s] { log.push_back("Unload " + name), s.loaded = s.visible = false; },
        };
    }
    void SetUp() override {
        Module = {};
        Module.windows = {window("strip", strip), window("reader", reader)};
        Module.StopStripWatch = [this] { log.push_back("StopStripWatch"); };
        Module.StartStripWatch = [this] { log.push_back("StartStripWatch"); };
        Module.NotificationArea = [this] { return area; };
        Module.MinimizeStrip = [this] { log.push_back("Minimize strip"); };
        Module.Quit = [this] { log.push_back("Quit"); };
        Module.settings = &settings;
        Module.program = &program;
        Module.message_box = &box;
    }
    void TearDown() override { Module = {}; }
};

// That a hidden reader comes back with the strip is the program's tests'; here one that is not loaded stays away.
TEST_F(AllWindows, HideAndShowReachOnlyLoadedWindows) {
    reader.loaded = false;
    HideAllForms();
    ShowAllForms();
    EXPECT_EQ(log, (std::vector<std::string>{"StopStripWatch", "Hide strip", "Show strip", "StartStripWatch"}));
}

TEST_F(AllWindows, HidingWhileTheStripIsHiddenLeavesItsWatchAlone) {
    strip.visible = false;  // minimised to the notification area by the window manager
    HideAllForms();
    EXPECT_EQ(log, (std::vector<std::string>{"Hide strip", "Hide reader"}));
}

TEST_F(AllWindows, WithoutANotificationAreaTheCloseMinimises) {
    area = false;
    HideAllForms();
    EXPECT_EQ(log, std::vector<std::string>{"Minimize strip"});
    EXPECT_TRUE(strip.visible);
}

TEST_F(AllWindows, ExitSavesFirstThenUnloadsThenEnds) {
    settings.log.clear();
    mnuTrayClose_Click();
    EXPECT_EQ(settings.log.size(), 4u);
    EXPECT_EQ(log, (std::vector<std::string>{"Hide strip", "Unload strip", "Hide reader", "Unload reader", "Quit"}));
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(AllWindows, UnloadWalksEveryWindowLoadedWhenItBegan) {
    // Unloading the strip unloads the reader too, as a window's destruction may.
    Module.windows[0].Unload = [this] {
        log.push_back("Unload strip");
        strip.loaded = reader.loaded = false;
    };
    UnloadAllForms();
    EXPECT_EQ(log, (std::vector<std::string>{"Hide strip", "Unload strip", "Hide reader", "Unload reader", "Quit"}));
}

}  // namespace
}  // namespace tarnvel
