#include "app/program.h"

#include <cstdio>

#include "app/command_line.h"
#include "calendar/event_finder.h"
#include "calendar/nanakshahi_date.h"
#include "desktop/module.h"
#include "desktop/module_registry.h"
#include "desktop/module_startup.h"
#include "desktop/module_tray_icon.h"
#include "platform/single_instance.h"
#include "platform/stores.h"
#include "strip/drop_window_content.h"
#include "strip/module.h"

namespace tarnvel {

// The strip as the icon sees it; the handle is taken when the icon is added.
class Program::TrayHostOfStrip final : public TrayHost {
public:
    explicit TrayHostOfStrip(strip::frmFirst& form) : form_(form) {}
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

Program::Program(const ProgramWorld& outside) : outside_(outside) {
    ModuleNanakshahiDate = {};
    ModuleEventFinder = {};
    strip::DropWindow_Content = 0;
    UpdateRegistryFlag = false;

    strip::StripSeams seams;
    seams.LoadSettings = [this] { LoadSettings(outside_.settings); };
    seams.RunAtStartup = [this] { return RunAtStartupWanted(outside_.settings); };
    seams.UpdateRegistry = [this](const std::string& exe, const std::string& path, bool enable) {
        UpdateRegistry(exe, path, enable, outside_.registry, outside_.program, outside_.world.message_box);
    };
    seams.AddTrayIcon = [this](strip::frmFirst&, platform::Menu& menu) {
        host_->Attach();
        AddTrayIcon(*host_, menu);
    };
    seams.SetTrayTip = [](const std::string& tip) { SetTrayTip(tip); };
    seams.HideAllForms = [] { HideAllForms(); };
    seams.mnuTrayClose_Click = [] { mnuTrayClose_Click(); };
    seams.OfferExitOnStrip = [this] { return !outside_.notify.AreaAvailable(); };
    seams.Load_DropWindow = [this] { reader_->Load(); };
    seams.DropWindow = [this]() -> strip::ReaderLink* { return reader_.get(); };

    strip_ = std::make_unique<strip::frmFirst>(outside_.world, std::move(seams));
    strip_side_ = std::make_unique<reader::FirstStrip>(*strip_);
    reader_ = std::make_unique<reader::frmDrop_Window>(outside_.world, *strip_side_, *strip_side_,
                                                       outside_.documents);
    host_ = std::make_unique<TrayHostOfStrip>(*strip_);

    ModuleTrayIcon = {};
    ModuleTrayIcon.notify = &outside_.notify;
    ModuleTrayIcon.messages = &outside_.messages;
    ModuleTrayIcon.ShowAllForms = [] { ShowAllForms(); };

    strip::frmFirst* s = strip_.get();
    reader::frmDrop_Window* r = reader_.get();
    Module = {};
    Module.windows = {
        {[s] { return s->Loaded(); }, [s] { return s->Visible(); }, [s] { s->Show(); }, [s] { s->Hide(); },
         [s] { s->Unload(); }},
        {[r] { return r->Loaded(); }, [r] { return r->Visible(); }, [r] { r->Show(); }, [r] { r->Hide(); },
         [r] { r->Unload(); }},
    };
    Module.StartStripWatch = [s] {
        if (s->Loaded()) s->controls().TmrCheckMouse.SetEnabled(true);
    };
    Module.NotificationArea = [this] { return outside_.notify.AreaAvailable(); };
    Module.MinimizeStrip = [s] {
        if (s->Loaded()) s->window().Minimize();
    };
    Module.Quit = [this] {
        quit_ = true;
        if (outside_.quit) outside_.quit();
    };
    Module.settings = &outside_.settings;
    Module.program = &outside_.program;
    Module.message_box = &outside_.world.message_box;
}

Program::~Program() {
    reader_->Unload();
    strip_->Unload();
    Module = {};
    ModuleTrayIcon = {};
    // The reader's native parts go on the event loop's next turn.
    platform::Application::ProcessEvents(0);
}

void Program::Start() { strip::Main(*strip_); }

void Program::Exit() { mnuTrayClose_Click(); }

void Program::ClickIcon() {
    TrayWindowProc(host_->Handle(), TrayCallbackMessage, 0, platform::WM_LBUTTONUP_);
}

int RunProgram(platform::Application& app) {
    platform::SingleInstance::Outcome outcome{};
    const auto claim = platform::SingleInstance::Claim("tarnvel", [] { ShowAllForms(); }, outcome);
    if (outcome == platform::SingleInstance::Outcome::Forwarded) return 0;
    if (!claim) {
        std::fprintf(stderr, "tarnvel: another calendar is running but does not answer\n");
        return StatusCannotStart;
    }
    const auto settings = platform::UserSettings();
    const auto registry = platform::LogonRegistry();
    Program calendar({app.world(), *settings, *registry, platform::Application::Identity(), app.notify_icon(),
                      app.window_messages(), platform::Application::ProgramFolder(), [&app] { app.Quit(0); }});
    calendar.Start();
    return app.Run();
}

}  // namespace tarnvel
