// The reader's design layout, its creation and load steps, the layout operations and the
// widen and maximise toggles.
#include "platform/window_stacking.h"
#include "reader/frm_drop_window.h"
#include "strip/drop_window_content.h"

namespace tarnvel::reader {

using platform::Alignment;
using platform::Anchor;
using platform::Font;

frmDrop_Window::Controls::Controls(platform::Window& w)
    : ImageBackground0(w),
      ImageBackground1(w),
      ImageLogo(w),
      Label6(w),
      Image_Strip_DropDown0(w),
      Image_Strip_DropDown1(w),
      ImageControl0(w),
      ImageControl1(w),
      Label1(w),
      Label2(w),
      Label3(w),
      Label4(w),
      Label5(w),
      rchParagraph(w),
      rchWholeFile(w),
      mnuBaramah("&Baramah"),
      mnuAkhan("A&khan"),
      mnuAbout("&About") {}

platform::Label& frmDrop_Window::Controls::MenuLabel(int code) {
    switch (code) {
        case HoverBarahmaha: return Label1;
        case HoverAkhan: return Label2;
        case HoverHistory: return Label3;
        case HoverAbout: return Label4;
        default: return Label5;
    }
}

frmDrop_Window::frmDrop_Window(platform::World world, const StripGeometry& strip, StripArrows& arrows,
                               std::string program_folder)
    : world_(world), strip_(strip), arrows_(arrows), program_folder_(std::move(program_folder)) {
    // The long form never equals the "dd mm yyyy" the roll-over check compares it with, so
    // the first check after creation always counts as a new day.
    LoadingDate = platform::FormatDate(world_.clock.Today(), platform::DateForm::DayMonthNameYear, world_.clock);
    reaper_.SetInterval(0);
    reaper_.on_tick = [this] { ReapRetired(); };
}

frmDrop_Window::~frmDrop_Window() {
    Unload();
    ReapRetired();
}

void frmDrop_Window::Load() {
    if (Loaded()) return;
    ReapRetired();
    CreateControls();
    Form_Load();
}

void frmDrop_Window::Show() {
    Load();
    // The watch runs only while the window is shown: a hidden window has nothing under the
    // pointer, and the day it missed meanwhile is caught up before the window appears.
    if (!controls_->TmrCheckMouse.Enabled()) {
        CheckDay();
        controls_->TmrCheckMouse.SetEnabled(true);
    }
    window_->Show();
}

void frmDrop_Window::Hide() {
    if (!Loaded()) return;
    window_->Hide();
    controls_->TmrCheckMouse.SetEnabled(false);
    controls_->Keyboard.Clear();
    // What was hovered is not hovered when the window comes back.
    MouseOff(MouseOnObj_DropWindow);
    MouseOnObj_DropWindow = HoverNone;
}

bool frmDrop_Window::Visible() const { return Loaded() && window_->Visible(); }

void frmDrop_Window::Unload() {
    if (!Loaded()) return;
    window_->Hide();
    controls_->TmrCheckMouse.SetEnabled(false);
    controls_->TimerCalendarDropDownStripMove.SetEnabled(false);
    ReapRetired();
    retired_controls_ = std::move(controls_);
    retired_window_ = std::move(window_);
    reaper_.SetEnabled(true);
}

void frmDrop_Window::ReapRetired() {
    reaper_.SetEnabled(false);
    retired_controls_.reset();
    retired_window_.reset();
}

bool frmDrop_Window::LoadedVisible() {
    Load();
    return Visible();
}

double frmDrop_Window::ReaderHeight() const { return Loaded() ? window_->Height() : 0; }

void frmDrop_Window::MoveReader(double left, double top) {
    if (!Loaded()) return;
    window_->SetLeft(left);
    window_->SetTop(top);
}

void frmDrop_Window::SetReaderDragTimer(bool on) {
    if (Loaded()) controls_->TimerCalendarDropDownStripMove.SetEnabled(on);
}

void frmDrop_Window::CreateControls() {
    window_ = std::make_unique<platform::Window>();
    platform::Window& w = *window_;
    w.SetSize(7500, RestoredHeight);
    w.SetFont(Font{"Arial", 9, false, false, false});
    w.SetIcon("icon");
    w.SetCaption("Tarnvel Reader");
    controls_ = std::make_unique<Controls>(w);
    Layout();
    Accessible_Initialize();

    Controls& c = *controls_;
    using platform::MouseButton;
    w.mouse.move = [this] { PointerMovedOver(HoverNone); };
    for (platform::Picture* p : {&c.Image_Strip_DropDown0, &c.Image_Strip_DropDown1}) {
        p->mouse.move = [this] { PointerMovedOver(HoverNone); };
        p->mouse.down = [this](MouseButton b) { Image_Strip_DropDown_MouseDown(b); };
        p->mouse.up = [this](MouseButton b) { Image_Strip_DropDown_MouseUp(b); };
    }
    for (platform::Picture* p : {&c.ImageBackground0, &c.ImageBackground1, &c.ImageLogo})
        p->mouse.move = [this] { PointerMovedOver(HoverNone); };
    for (platform::Picture* p : {&c.ImageControl0, &c.ImageControl1}) {
        p->mouse.move = [this] { PointerMovedOver(HoverNone); };
        p->mouse.up = [this](MouseButton b) {
            if (b == MouseButton::Left) ImageControl_Click();
        };
    }
    for (int code = HoverBarahmaha; code <= HoverExit; ++code)
        c.MenuLabel(code).mouse.move = [this, code] { PointerMovedOver(code); };
    c.Label1.mouse.down = [this](MouseButton b) { Label1_MouseDown(b); };
    c.Label2.mouse.down = [this](MouseButton b) { Label2_MouseDown(b); };
    c.Label3.mouse.up = [this](MouseButton b) { Label3_MouseUp(b); };
    c.Label4.mouse.down = [this](MouseButton b) { Label4_MouseDown(b); };
    c.Label5.mouse.up = [this](MouseButton b) { Label5_MouseUp(b); };
    c.rchParagraph.mouse.move = [this] { rchParagraph_MouseMove(); };
    c.rchWholeFile.on_change = [this] { rchWholeFile_Change(); };
    c.TmrCheckMouse.on_tick = [this] { TmrCheckMouse_Timer(); };
    c.TimerCalendarDropDownStripMove.on_tick = [this] { TimerCalendarDropDownStripMove_Timer(); };
    // Started by Show: while the window is hidden it would only wake the program.
    c.TmrCheckMouse.SetInterval(100);
    c.TimerCalendarDropDownStripMove.SetInterval(1);
}

void frmDrop_Window::Layout() {
    Controls& c = *controls_;
    c.Image_Strip_DropDown0.SetPicture("reader_strip");
    c.Image_Strip_DropDown0.Move(0, 0, 7500, 480);
    c.Image_Strip_DropDown1.SetPicture("reader_strip_narrow");
    c.Image_Strip_DropDown1.Move(7500, 0, 7440, 480);
    c.ImageBackground0.SetPicture("reader_background");
    c.ImageBackground0.Move(0, 480, 7440, 3150);
    c.ImageBackground1.SetPicture("reader_background");
    c.ImageBackground1.Move(7440, 480, 7440, 3150);
    c.ImageLogo.SetPicture("logo");
    c.ImageLogo.Move(1800, 1200, 2250, 855);
    c.ImageLogo.SetToolTip("Launching Digital Library soon....");

    c.Label6.SetTransparent(true);
    c.Label6.SetFont(Font{"Times New Roman", 9, false, false, false});
    c.Label6.Move(3615, 2250, 1725, 225);

    c.ImageControl0.SetPicture("maximise");
    c.ImageControl0.Move(7170, 135, 180, 210);
    c.ImageControl0.SetToolTip("Maximize");
    c.ImageControl1.SetPicture("restore");
    c.ImageControl1.Move(7170, 135, 135, 150);
    c.ImageControl1.SetToolTip("Restore");
    c.ImageControl1.SetVisible(false);

    const Font bar_font{"Arial", 9.75, true, false, false};
    struct Design {
        platform::Label& label;
        double left, width;
        const char* caption;
    };
    for (const Design& d : {Design{c.Label1, 255, 1110, "Barahmaha"}, Design{c.Label2, 1605, 600, "Akhan"},
                            Design{c.Label3, 2445, 675, "History"}, Design{c.Label4, 3360, 585, "About"},
                            Design{c.Label5, 4185, 360, "Exit"}}) {
        d.label.SetTransparent(true);
        d.label.SetForeColor(ColourWhite);
        d.label.SetFont(bar_font);
        d.label.SetAlignment(Alignment::Centre);
        d.label.Move(d.left, 90, d.width, 240);
        d.label.SetAutoSize(true, Anchor::Left);
        d.label.SetCaption(d.caption);
    }

    c.rchParagraph.Move(0, 480, 2700, 2445);
    c.rchParagraph.SetBackColor(ReaderTextBack);
    c.rchParagraph.SetVisible(false);
    c.rchWholeFile.Move(1920, 555, 1500, 750);
    c.rchWholeFile.SetVisible(false);
}

void frmDrop_Window::Form_Load() {
    Reader_Wide = false;
    Reader_Maximized = false;
    Labels_Initialize();
    platform::Window& w = *window_;
    w.SetSize(strip_.Width(), w.Height());
    w.SetTop(strip_.Height() + strip_.Top());
    w.SetLeft(strip_.Left());
    w.SetBackColor(controls_->rchParagraph.BackColor());
    strip::DropWindow_Content = 0;
    ImageControl_Position();
    LoadMenu();
    ImageLogo_Move();
    platform::RichTextBox& r = controls_->rchParagraph;
    r.Move(0, r.Top(), w.Width(), r.Height());
}

void frmDrop_Window::Labels_Initialize() {
    platform::Label& l = controls_->Label6;
    l.SetAlignment(Alignment::Centre);
    l.SetAutoSize(true, Anchor::Left);
    l.SetCaption(std::string("\"") + "Nanak established the Dominion" +
                 " by raising the fort of Truth on firm Foundations" + "\"" + "\r\n" +
                 " - Guru Granth Sahib p. 966");
    // The platform's label sizes itself to one line of text: give the second line its room.
    const double w = l.Width(), h = l.Height();
    l.SetAutoSize(false);
    l.Move(l.Left(), l.Top(), w, 2 * h);
}

void frmDrop_Window::ImageControl_Position() {
    const double width = window_->Width();
    for (int i = 0; i < 2; ++i) {
        platform::Picture& p = controls_->ImageControl(i);
        p.Move(width - 2 * p.Width(), 135, p.Width(), p.Height());
    }
}

void frmDrop_Window::ImageControl_Visible(int a, int b, bool choice) {
    controls_->ImageControl(a).SetVisible(false);
    controls_->ImageControl(b).SetVisible(true);
    Reader_Wide = choice;
}

void frmDrop_Window::rchParagraph_Dimensions(std::int32_t wid) {
    platform::RichTextBox& r = controls_->rchParagraph;
    // The window's outer height, not its client height.
    r.Move(r.Left(), r.Top(), wid, window_->Height() - controls_->Image_Strip_DropDown0.Height());
}

void frmDrop_Window::Image_Strip_DropDown_Dimensions(bool stretch) {
    Controls& c = *controls_;
    platform::Picture& p = c.Image_Strip_DropDown1;
    p.SetStretch(stretch);
    p.Move(p.Left(), p.Top(), ScreenWidth() - c.Image_Strip_DropDown0.Width(), p.Height());
}

void frmDrop_Window::ImageBackground_Dimensions(bool stretch) {
    Controls& c = *controls_;
    platform::Picture& p = c.ImageBackground1;
    p.SetStretch(stretch);
    p.Move(p.Left(), p.Top(), ScreenWidth() - c.ImageBackground0.Width(), p.Height());
}

void frmDrop_Window::ImageLogo_Move() {
    Controls& c = *controls_;
    const float W = static_cast<float>(window_->Width());
    const float H = static_cast<float>(window_->Height());
    platform::Picture& logo = c.ImageLogo;
    const float logo_left = W / 2 - static_cast<float>(logo.Width()) / 2;
    const double logo_top = static_cast<double>(H) / 2 - logo.Height() / 1.5;
    logo.Move(logo_left, logo_top, logo.Width(), logo.Height());
    platform::Label& q = c.Label6;
    const float q_left = W / 2 - static_cast<float>(q.Width()) / 2;
    const float q_top = H / 2 - static_cast<float>(q.Height()) + static_cast<float>(logo.Height());
    q.Move(q_left, q_top, q.Width(), q.Height());
}

void frmDrop_Window::Window_TopMost(bool on) { platform::SetTopMost(*window_, on); }

double frmDrop_Window::ScreenWidth() const {
    return world_.screen.Size().width * world_.screen.Factors().x;
}
double frmDrop_Window::ScreenHeight() const {
    return world_.screen.Size().height * world_.screen.Factors().y;
}

void frmDrop_Window::MoveWindow(double left, double top, double width, double height) {
    window_->SetLeft(left);
    window_->SetTop(top);
    window_->SetSize(width, height);
}

void frmDrop_Window::Image_Strip_DropDown_DblClick() {
    if (!Loaded()) return;
    Controls& c = *controls_;
    platform::Window& w = *window_;
    c.ImageControl0.SetVisible(false);
    c.ImageControl1.SetVisible(false);
    if (Reader_Wide) {
        w.SetSize(strip_.Width(), w.Height());
        w.SetLeft(strip_.Left());
        ImageControl_Position();
        rchParagraph_Dimensions(platform::RoundHalfEven(strip_.Width()));
        ImageLogo_Move();
        Reader_Wide = false;
    } else {
        w.SetSize(ScreenWidth(), w.Height());
        w.SetLeft(0);
        ImageControl_Position();
        rchParagraph_Dimensions(platform::RoundHalfEven(ScreenWidth()));
        ImageBackground_Dimensions(true);
        Image_Strip_DropDown_Dimensions(true);
        ImageLogo_Move();
        Reader_Wide = true;
    }
    if (Reader_Maximized)
        ImageControl_Visible(0, 1, Reader_Wide);
    else
        ImageControl_Visible(1, 0, Reader_Wide);
}

void frmDrop_Window::ImageControl_Click() {
    if (!Loaded()) return;
    Controls& c = *controls_;
    c.ImageBackground0.SetVisible(!c.ImageBackground0.Visible());
    c.ImageBackground1.SetVisible(!c.ImageBackground1.Visible());
    if (Reader_Maximized) {
        double top = strip_.Height() + strip_.Top();
        // Exactly reaching the bottom edge keeps the reader below the strip.
        if (top + RestoredHeight > ScreenHeight()) top = strip_.Top() - RestoredHeight;
        MoveWindow(strip_.Left(), top, strip_.Width(), RestoredHeight);
        ImageControl_Position();
        ImageControl_Visible(1, 0, false);
        rchParagraph_Dimensions(platform::RoundHalfEven(window_->Width()));
        ImageLogo_Move();
        Window_TopMost(false);
        Reader_Maximized = false;
    } else {
        MoveWindow(0, 0, ScreenWidth(), ScreenHeight());
        ImageControl_Position();
        ImageControl_Visible(0, 1, true);
        rchParagraph_Dimensions(platform::RoundHalfEven(ScreenWidth()));
        Image_Strip_DropDown_Dimensions(true);
        ImageBackground_Dimensions(true);
        ImageLogo_Move();
        Window_TopMost(true);
        Reader_Maximized = true;
    }
}

}  // namespace tarnvel::reader
