// The strip's design layout, its load and resize steps and the three layout operations.
#include "calendar/event_finder.h"
#include "calendar/nanakshahi_date.h"
#include "calendar/new_year.h"
#include "platform/application.h"
#include "strip/drop_window_content.h"
#include "strip/frm_first.h"
#include "strip/text.h"

namespace tarnvel::strip {

using platform::Alignment;
using platform::Anchor;
using platform::Font;

frmFirst::Controls::Controls(platform::Window& w)
    : ImageTopBar(w),
      ImageClose(w),
      Label1(w),
      Label6(w),
      Label2(w),
      Label4(w),
      Label3(w),
      ImageArrow0(w),
      ImageArrow1(w),
      mnuTray("Popup") {}

frmFirst::frmFirst(platform::World world, StripSeams seams) : world_(world), seams_(std::move(seams)) {}

frmFirst::~frmFirst() { Unload(); }

void frmFirst::Load() {
    if (Loaded()) return;
    CreateControls();
    Form_Load();
}

void frmFirst::Show() {
    Load();
    CheckDay();
    window_->Show();
}

void frmFirst::Hide() {
    if (!Loaded()) return;
    window_->Hide();
    controls_->Keyboard.Clear();  // shown again, it looks as it did at first
}

bool frmFirst::Visible() const { return Loaded() && window_->Visible(); }

void frmFirst::Unload() {
    if (!Loaded()) return;
    window_->Hide();
    label6_sink_.reset();
    controls_.reset();
    window_.reset();
}

void frmFirst::CreateControls() {
    window_ = std::make_unique<platform::Window>();
    platform::Window& w = *window_;
    w.SetSize(7500, 1845);
    w.SetBackColor(ColourWhite);
    w.SetFont(Font{"Arial", 9, false, false, false});
    w.SetIcon("icon");
    w.SetCaption("Tarnvel");
    controls_ = std::make_unique<Controls>(w);
    label6_sink_ = std::make_unique<Label6Adapter>(controls_->Label6);
    Layout();
    Accessible_Initialize();

    Controls& c = *controls_;
    w.mouse.move = [this] { PointerMovedOver(HoverNone); };
    w.mouse.down = [this](platform::MouseButton b) { Form_MouseDown(b); };
    w.mouse.up = [this](platform::MouseButton b) { Form_MouseUp(b); };
    w.on_resize = [this] { Form_Resize(); };
    // The window manager's close does what the close picture does.
    w.on_close = [this] {
        if (seams_.HideAllForms) seams_.HideAllForms();
    };
    c.Label2.mouse.move = [this] { PointerMovedOver(HoverDate); };
    c.Label3.mouse.move = [this] { PointerMovedOver(HoverWeb); };
    c.Label3.mouse.up = [this](platform::MouseButton b) { Label3_MouseUp(b); };
    c.Label4.mouse.move = [this] { PointerMovedOver(HoverMore); };
    c.Label4.mouse.up = [this](platform::MouseButton b) { Label4_MouseUp(b); };
    c.ImageClose.mouse.move = [this] { PointerMovedOver(HoverClose); };
    c.ImageClose.mouse.up = [this](platform::MouseButton b) { ImageClose_MouseUp(b); };
    c.ImageTopBar.mouse.down = [this](platform::MouseButton b) { ImageTopBar_MouseDown(b); };
    c.ImageTopBar.mouse.up = [this](platform::MouseButton b) { ImageTopBar_MouseUp(b); };
    c.TmrCheckMouse.on_tick = [this] { TmrCheckMouse_Timer(); };
    c.TimerCalendarMainStripMove.on_tick = [this] { TimerCalendarMainStripMove_Timer(); };
    c.mnuTray.AddItem("E&xit", [this] {
        if (seams_.mnuTrayClose_Click) seams_.mnuTrayClose_Click();
    });
    c.TmrCheckMouse.SetInterval(100);
    c.TmrCheckMouse.SetEnabled(true);
    c.TimerCalendarMainStripMove.SetInterval(1);
}

void frmFirst::Layout() {
    Controls& c = *controls_;
    c.ImageTopBar.SetPicture("top_bar");
    c.ImageTopBar.Move(0, 0, 7500, 375);
    c.ImageClose.SetPicture("close");
    c.ImageClose.Move(7170, 90, 180, 180);
    c.ImageClose.SetToolTip("Close");
    c.ImageClose.BringToFront();

    const Font label_font{"Arial", 9.75, false, false, false};
    auto design = [](platform::Label& l, double left, double top, double width, double height, Anchor anchor) {
        l.SetTransparent(true);
        l.Move(left, top, width, height);
        l.SetAutoSize(true, anchor);
    };
    design(c.Label1, 210, 480, 570, 240, Anchor::Left);
    c.Label1.SetFont(label_font);
    c.Label1.SetCaption("Label1");

    // Right-aligned text grows to the left, so greetings stay inside the window.
    design(c.Label6, 6450, 480, 870, 240, Anchor::Right);
    c.Label6.SetAlignment(Alignment::Right);
    c.Label6.SetFont(Font{"Arial", 9.75, true, false, true});
    c.Label6.SetCaption("New Year");
    c.Label6.SetVisible(false);

    // Centred text keeps its centre (the middle of its design box) for any text and font.
    design(c.Label2, 3345, 900, 795, 285, Anchor::Centre);
    c.Label2.SetAlignment(Alignment::Centre);
    c.Label2.SetFont(Font{"Arial", 12, true, false, false});
    c.Label2.SetForeColor(ColourNavy);
    c.Label2.SetCaption("Label2");

    design(c.Label4, 300, 1530, 1380, 225, Anchor::Left);
    c.Label4.SetForeColor(ColourBlue);
    c.Label4.SetCaption("More Information");

    design(c.Label3, 5580, 1530, 1740, 225, Anchor::Left);
    c.Label3.SetForeColor(ColourBlue);
    c.Label3.SetCaption(WebAddress);
    c.Label3.SetToolTip("Visit Nanakshahi website");

    c.ImageArrow0.SetPicture("arrow_right");
    c.ImageArrow0.Move(210, 1605, 45, 75);
    c.ImageArrow1.SetPicture("arrow_down");
    c.ImageArrow1.Move(195, 1620, 75, 45);
    c.ImageArrow1.SetVisible(false);
}

platform::Date frmFirst::Today() const { return world_.clock.Today(); }

std::string frmFirst::TodayLong() const {
    return platform::FormatDate(Today(), platform::DateForm::DayMonthNameYear, world_.clock);
}

void frmFirst::Form_Load() {
    ModuleEventFinder.DaysToEvent = -1;
    if (seams_.LoadSettings) seams_.LoadSettings();
    Labels_Initialize();
    const bool run_at_startup = seams_.RunAtStartup ? seams_.RunAtStartup() : true;
    if (seams_.UpdateRegistry)
        seams_.UpdateRegistry(platform::Application::ProgramName(), platform::Application::ProgramFolder(),
                              run_at_startup);
    Initial_Move("Initial");
    MouseOnObj = 0;
    DropWindow_Content = 0;
    if (seams_.AddTrayIcon) seams_.AddTrayIcon(*this, controls_->mnuTray);
    if (seams_.SetTrayTip) seams_.SetTrayTip(ModuleNanakshahiDate.NanakshahiDate_English);
    if (seams_.Load_DropWindow) seams_.Load_DropWindow();
}

void frmFirst::Form_Resize() {
    if (!Loaded()) return;
    Check_NewYear_Nanakshahi(ModuleNanakshahiDate, *label6_sink_);
    ModuleEventFinder.EventFound = false;
    Find_UpcomingEvent(ModuleNanakshahiDate.GregorianDay, ModuleNanakshahiDate.GregorianMonth, *label6_sink_);
    ImageClose_Position();
    SetTrayMenuItems(static_cast<int>(window_->State()));
}

void frmFirst::SetTrayMenuItems(int) {}

void frmFirst::Labels_Initialize() {
    platform::Label& l = controls_->Label1;
    l.SetForeColor(ColourSaffron);
    l.SetCaption(TodayLong());
    l.SetFontBold(true);
}

void frmFirst::Initial_Move(std::string_view which) {
    if (!SameText(which, "Initial")) return;
    Calculate_NanakshahiDate([this] {
        const platform::Date d = Today();
        return CivilDate{d.year, d.month, d.day};
    });
    platform::Label& date = controls_->Label2;
    date.SetCaption("");
    date.SetForeColor(ColourDarkBlue);
    date.SetFontName("Arial");
    date.SetFontSize(13);
    date.SetCaption(ModuleNanakshahiDate.NanakshahiDate_English);
    controls_->Label3.SetForeColor(ColourDarkBlue);
    controls_->Label4.SetForeColor(ColourDarkBlue);

    // Single precision, neither rounded nor clamped: the bottom edge lands on the
    // screen's horizontal centre line.
    const platform::PixelSize px = world_.screen.Size();
    const platform::TwipsPerPixel f = world_.screen.Factors();
    const float screen_width = static_cast<float>(px.width * f.x);
    const float screen_height = static_cast<float>(px.height * f.y);
    const float width = static_cast<float>(window_->Width());
    const float height = static_cast<float>(window_->Height());
    window_->SetLeft(screen_width / 2 - width / 2);
    window_->SetTop(screen_height / 2 - height);
}

void frmFirst::ImageClose_Position() {
    platform::Picture& close = controls_->ImageClose;
    const double width = close.Width();
    close.Move(window_->Width() - (width + width), 90, width, close.Height());
}

}  // namespace tarnvel::strip
