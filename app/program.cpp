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
    seams.DayChange = [this] { DayChange(); };
    seams.HideAllForms = [] { HideAllForms(); };
    seams.mnuTrayClose_Click = [] { mnuTrayClose_Click(); };
    seams.OfferExitOnStrip = [this] { return !outside_.notify.AreaAvailable(); };
    // The hidden reader counts as loaded from the strip's load step on; its window and
    // controls are made once the strip is on the screen, or earlier when it is first needed.
    seams.Load_DropWindow = [this] {
        reader_due_ = true;
        strip_->window().on_first_paint = [this] { LoadDueReader(); };
    };
    seams.DropWindow = [this]() -> strip::ReaderLink* {
        LoadDueReader();
        return reader_.get();
    };

    strip_ = std::make_unique<strip::frmFirst>(outside_.world, std::move(seams));
    strip_side_ = std::make_unique<reader::FirstStrip>(*strip_);
    reader_ = std::make_unique<reader::frmDrop_Window>(outside_.world, *strip_side_, *strip_side_,
                                                       outside_.documents);
    reader_->DayChange = [this] { DayChange(); };
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
        {[this, r] { return reader_due_ || r->Loaded(); }, [r] { return r->Visible(); },
         [this, r] {
             LoadDueReader();
             r->Show();
         },
         [r] { r->Hide(); },
         [this, r] {
             reader_due_ = false;
             r->Unload();
         }},
    };
    Module.StopStripWatch = [this] { RestWhileHidden(); };
    Module.StartStripWatch = [this] { WakeForShown(); };
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
    outside_.date_watch.Stop();
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

void Program::DayChange() {
    // A call from an event loop run inside one of the steps would find the day half changed;
    // the outer call finishes it.
    if (day_changing_) return;
    day_changing_ = true;
    if (strip_->DayChanged()) strip_->DayRollover();
    reader_->DayRollover_Check();
    day_changing_ = false;
}

void Program::LoadDueReader() {
    if (!reader_due_) return;
    reader_due_ = false;
    reader_->Load();
}

void Program::RestWhileHidden() {
    if (!strip_->Loaded()) return;
    if (outside_.date_watch.Start([this] { DayChange(); })) strip_->controls().TmrCheckMouse.SetEnabled(false);
}

void Program::WakeForShown() {
    outside_.date_watch.Stop();
    if (strip_->Loaded()) strip_->controls().TmrCheckMouse.SetEnabled(true);
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
                      app.window_messages(), app.date_watch(), platform::Application::ProgramFolder(),
                      [&app] { app.Quit(0); }});
    calendar.Start();
    return app.Run();
}

}  // namespace tarnvel
