#pragma once
// A strip window on the fakes, with every seam recording its calls.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "calendar/event_finder.h"
#include "calendar/nanakshahi_date.h"
#include "platform/application.h"
#include "platform/fake/fakes.h"
#include "strip/drop_window_content.h"
#include "strip/frm_first.h"
#include "strip/module.h"

namespace tarnvel::strip {

class StripTest : public ::testing::Test {
protected:
    StripTest() {
        ModuleNanakshahiDate = {};
        ModuleEventFinder = {};
        DropWindow_Content = std::string("stale");
    }

    StripSeams RecordingSeams() {
        StripSeams s;
        s.LoadSettings = [this] { calls.push_back("LoadSettings"); };
        s.RunAtStartup = [this] {
            calls.push_back("RunAtStartup");
            return run_at_startup;
        };
        s.UpdateRegistry = [this](const std::string& exe, const std::string& path, bool enable) {
            calls.push_back(std::string("UpdateRegistry ") + (enable ? "on" : "off"));
            registry_exe = exe;
            registry_path = path;
        };
        s.AddTrayIcon = [this](frmFirst&, platform::Menu& menu) { calls.push_back("AddTrayIcon " + menu.Caption()); };
        s.SetTrayTip = [this](const std::string& tip) { calls.push_back("SetTrayTip " + tip); };
        s.Load_DropWindow = [this] { calls.push_back("Load_DropWindow"); };
        s.HideAllForms = [this] {
            calls.push_back("HideAllForms");
            HideAllForms(*form);
        };
        return s;
    }

    frmFirst& Make(platform::Date today) {
        world.clock.today = today;
        form = std::make_unique<frmFirst>(world.world(), RecordingSeams());
        return *form;
    }
    frmFirst& Start(platform::Date today) {
        Make(today);
        Main(*form);
        return *form;
    }

    frmFirst::Controls& c() { return form->controls(); }
    platform::Window& w() { return form->window(); }

    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) form->TmrCheckMouse_Timer();
    }

    platform::fake::FakeWorld world;
    std::vector<std::string> calls;
    bool run_at_startup = true;
    std::string registry_exe, registry_path;
    std::unique_ptr<frmFirst> form;
};

}  // namespace tarnvel::strip
