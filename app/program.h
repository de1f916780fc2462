#pragma once
// The whole calendar wired together: the strip, the reader, the notification icon,
// the all-windows operations, the settings and the log-on entry. The outside world is
// passed in, so the program runs on the platform's real services and tests run the
// same wiring on fakes or on real files.

#include <functional>
#include <memory>
#include <string>

#include "platform/application.h"
#include "platform/date_watch.h"
#include "platform/notify_icon.h"
#include "platform/program.h"
#include "platform/registry.h"
#include "platform/settings_store.h"
#include "platform/window_proc.h"
#include "platform/world.h"
#include "reader/first_strip.h"
#include "reader/frm_drop_window.h"
#include "strip/frm_first.h"

namespace tarnvel {

// Everything the program reaches outside itself; all of it outlives the program.
struct ProgramWorld {
    platform::World world;
    platform::SettingsStore& settings;
    platform::Registry& registry;
    const platform::ProgramIdentity& program;
    platform::NotifyIcon& notify;
    platform::WindowMessages& messages;
    platform::DateWatch& date_watch;  // wakes the hidden calendar when the date may have moved
    std::string documents;       // the folder holding One.rtf and Two.rtf
    std::function<void()> quit;  // ends the main loop once no window is loaded; may be empty
};

class Program {
public:
    // Resets the program-wide records, as a fresh process has them.
    explicit Program(const ProgramWorld& outside);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The entry procedure: loads the strip, then shows it.
    void Start();
    // The icon menu's "E&xit": settings saved, every window unloaded.
    void Exit();
    // A left click on the notification icon, as the platform delivers it to the strip.
    void ClickIcon();
    // The change of the date, handled once whichever watch notices it: the strip rolls
    // over (dates, greeting, countdown, the icon's tooltip), then the reader follows (its
    // section of the day or month). Nothing when the date shown is still today's.
    void DayChange();

    strip::frmFirst& strip() { return *strip_; }
    reader::frmDrop_Window& reader() { return *reader_; }
    // Whether the exit sequence has ended the program.
    bool quit() const { return quit_; }

private:
    class TrayHostOfStrip;
    // While the calendar is hidden, its pointer watches rest and the date watch keeps the
    // tooltip current; where there is no date watch the strip's watch goes on polling.
    void RestWhileHidden();
    // Makes the reader that the strip's load step asked for, if it is not made yet.
    void LoadDueReader();
    void WakeForShown();
    ProgramWorld outside_;
    std::unique_ptr<strip::frmFirst> strip_;
    std::unique_ptr<reader::FirstStrip> strip_side_;
    std::unique_ptr<reader::frmDrop_Window> reader_;
    std::unique_ptr<TrayHostOfStrip> host_;
    bool quit_ = false;
    bool day_changing_ = false;
    bool reader_due_ = false;  // loaded as the program sees it, its window not made yet
};

// Runs the calendar on the platform's services until its exit command; returns the
// process's exit status. A second start brings the running calendar forward instead.
int RunProgram(platform::Application& app);

}  // namespace tarnvel
