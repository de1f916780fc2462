// The menu-bar labels' hover feedback, the reader's pointer watch and closing.
#include "calendar/nanakshahi_date.h"
#include "reader/frm_drop_window.h"
#include "strip/drop_window_content.h"

namespace tarnvel::reader {

void frmDrop_Window::MouseOn(int code) {
    if (!Loaded() || code < HoverBarahmaha || code > HoverExit) return;
    platform::Label& l = controls_->MenuLabel(code);
    l.SetFontSize(11);
    if (code == HoverBarahmaha || code == HoverAkhan)
        l.SetToolTip(ModuleNanakshahiDate.MonthName_English);
    else if (code == HoverHistory)
        l.SetToolTip(ModuleNanakshahiDate.MonthName_English + " " + std::to_string(ModuleNanakshahiDate.NanakshahiDay));
}

void frmDrop_Window::MouseOff(int code) {
    if (!Loaded() || code < HoverBarahmaha || code > HoverExit) return;
    // 10 pt, not the design's 9.75: a label hovered once stays a little larger.
    controls_->MenuLabel(code).SetFontSize(10);
}

void frmDrop_Window::PointerMovedOver(int code) {
    if (MouseOnObj_DropWindow == code) return;
    MouseOff(MouseOnObj_DropWindow);
    MouseOnObj_DropWindow = code;
    MouseOn(code);
}

void frmDrop_Window::rchParagraph_MouseMove() {
    if (Loaded()) controls_->rchParagraph.SetFocus();
    PointerMovedOver(HoverNone);
}

void frmDrop_Window::rchWholeFile_Change() { PointerMovedOver(HoverNone); }

void frmDrop_Window::TmrCheckMouse_Timer() {
    if (!Loaded()) return;
    if (!WatchStarted) {
        WatchStarted = true;
    } else {
        const platform::Window& w = *window_;
        const platform::TwipsPerPixel f = world_.screen.Factors();
        FormLeftPx = platform::TwipsToPixels(w.Left(), f.x);
        FormTopPx = platform::TwipsToPixels(w.Top(), f.y);
        FormWidthPx = platform::TwipsToPixels(w.Width(), f.x);
        FormHeightPx = platform::TwipsToPixels(w.Height(), f.y);
        // Without a pointer position nothing is decided. The leftmost column and the top
        // row already count as outside.
        if (const auto p = world_.pointer.Position()) {
            const bool inside = FormLeftPx < p->x && p->x < FormLeftPx + FormWidthPx && FormTopPx < p->y &&
                                p->y < FormTopPx + FormHeightPx;
            if (!inside) {
                MouseOff(MouseOnObj_DropWindow);
                MouseOnObj_DropWindow = HoverNone;
            }
        }
    }
    CheckDay();
}

void frmDrop_Window::CheckDay() {
    if (DayChange)
        DayChange();
    else
        DayRollover_Check();
}

void frmDrop_Window::Label5_MouseUp(platform::MouseButton b) {
    if (b != platform::MouseButton::Left) return;
    Reader_Wide = false;
    mnuExit_Click();
}

void frmDrop_Window::mnuExit_Click() {
    strip::DropWindow_Content = 0;
    Unload();
    arrows_.ShowReaderClosed();
}

}  // namespace tarnvel::reader
