#include "desktop/program.h"

#include <cstdio>

#include "desktop/module.h"
#include "desktop/module_registry.h"
#include "desktop/module_startup.h"
#include "desktop/module_tray_icon.h"
#include "platform/os/autostart.h"
#include "platform/os/ini_store.h"
#include "platform/os/program_identity.h"
#include "platform/single_instance.h"
#include "reader/first_strip.h"
#include "reader/frm_drop_window.h"
#include "strip/module.h"

namespace tarnvel {
namespace {

// The strip as the notification icon sees it. Its handle is taken when the icon is
// added, since the window is being destroyed when the last message asks for it.
class StripTrayHost final : public TrayHost {
public:
    explicit StripTrayHost(strip::frmFirst& form) : form_(form) {}
    void Attach() { handle_ = form_.window().Handle(); }

    platform::WindowHandle Handle() const override { return handle_; }
    platform::IconHandle Icon() const override { return form_.Loaded() ? form_.window().Icon() : 0; }
    bool Visible() const override { return form_.Visible(); }
    void Hide() override { form_.Hide(); }
    void Show() override { form_.Show(); }
    void PopupMenu(platform::Menu& menu) override { menu.Popup(form_.window()); }
    void SetTrayMenuItems(int window_state) override { form_.SetTrayMenuItems(window_state); }

private:
    strip::frmFirst& form_;
    platform::WindowHandle handle_ = 0;
};

}  // namespace

int RunProgram(platform::Application& app) {
    platform::SingleInstance::Outcome outcome{};
    const auto claim = platform::SingleInstance::Claim("tarnvel", [] { ShowAllForms(); }, outcome);
    if (outcome == platform::SingleInstance::Outcome::Forwarded) return 0;
    if (!claim) {
        std::fprintf(stderr, "tarnvel: another calendar is running but does not answer\n");
        return 1;
    }

    platform::os::IniStore settings;
    platform::os::AutostartRegistry registry;
    const platform::os::RunningProgram program;
    platform::World world = app.world();
    platform::NotifyIcon& notify = app.notify_icon();

    strip::frmFirst* strip_form = nullptr;
    StripTrayHost* tray_host = nullptr;
    strip::StripSeams seams;
    seams.LoadSettings = [&] { LoadSettings(settings); };
    seams.RunAtStartup = [&] { return RunAtStartupWanted(settings); };
    seams.UpdateRegistry = [&](const std::string& exe, const std::string& path, bool enable) {
        UpdateRegistry(exe, path, enable, registry, program, world.message_box);
    };
    seams.AddTrayIcon = [&](strip::frmFirst&, platform::Menu& menu) {
        tray_host->Attach();
        AddTrayIcon(*tray_host, menu);
    };
    seams.SetTrayTip = [](const std::string& tip) { SetTrayTip(tip); };
    seams.HideAllForms = [] { HideAllForms(); };
    seams.mnuTrayClose_Click = [] { mnuTrayClose_Click(); };
    seams.OfferExitOnStrip = [&] { return !notify.AreaAvailable(); };
    // The reader window (reader/): loaded hidden by the strip's load, opened by its "More Information".
    std::unique_ptr<reader::frmDrop_Window> drop_window;
    seams.Load_DropWindow = [&] { drop_window->Load(); };
    seams.DropWindow = [&]() -> strip::ReaderLink* { return drop_window.get(); };

    strip::frmFirst form(world, seams);
    reader::FirstStrip strip_side(form);
    drop_window = std::make_unique<reader::frmDrop_Window>(world, strip_side, strip_side,
                                                           platform::Application::ProgramFolder());
    StripTrayHost host(form);
    strip_form = &form;
    tray_host = &host;

    ModuleTrayIcon.notify = &notify;
    ModuleTrayIcon.messages = &app.window_messages();
    ModuleTrayIcon.ShowAllForms = [] { ShowAllForms(); };

    Module.windows = {{
        [strip_form] { return strip_form->Loaded(); },
        [strip_form] { return strip_form->Visible(); },
        [strip_form] { strip_form->Show(); },
        [strip_form] { strip_form->Hide(); },
        [strip_form] { strip_form->Unload(); },
    }};
    reader::frmDrop_Window* reader_form = drop_window.get();
    Module.windows.push_back({
        [reader_form] { return reader_form->Loaded(); },
        [reader_form] { return reader_form->Visible(); },
        [reader_form] { reader_form->Show(); },
        [reader_form] { reader_form->Hide(); },
        [reader_form] { reader_form->Unload(); },
    });
    Module.StartStripWatch = [strip_form] {
        if (strip_form->Loaded()) strip_form->controls().TmrCheckMouse.SetEnabled(true);
    };
    Module.NotificationArea = [&notify] { return notify.AreaAvailable(); };
    Module.MinimizeStrip = [strip_form] {
        if (strip_form->Loaded()) strip_form->window().Minimize();
    };
    Module.Quit = [&app] { app.Quit(0); };
    Module.settings = &settings;
    Module.program = &program;
    Module.message_box = &world.message_box;

    strip::Main(form);
    const int status = app.Run();
    Module = {};
    ModuleTrayIcon = {};
    return status;
}

}  // namespace tarnvel
