// The strip's gestures: drag by the background or the top bar, the close picture
// and the web link. Only the left button counts.
#include "strip/drop_window_content.h"
#include "platform/drag.h"
#include "strip/frm_first.h"
#include "strip/reader_link.h"
#include "strip/text.h"

namespace tarnvel::strip {

using platform::MouseButton;

bool frmFirst::UserMousePosition(std::string_view which) {
    const auto p = world_.pointer.Position();
    if (SameText(which, "Initial")) {
        DragPointerX = 0;
        DragPointerY = 0;
        DragLastX = 0;
        DragLastY = 0;
    } else if (SameText(which, "Drag")) {
        if (!p) return false;
        DragPointerX = p->x;
        DragPointerY = p->y;
    }
    return true;
}

void frmFirst::Form_MouseDown(MouseButton b) {
    if (b != MouseButton::Left || !Loaded()) return;
    UserMousePosition("Initial");
    controls_->TimerCalendarMainStripMove.SetEnabled(true);
}

void frmFirst::Form_MouseUp(MouseButton b) {
    if (!Loaded()) return;
    if (b == MouseButton::Right && seams_.OfferExitOnStrip && seams_.OfferExitOnStrip()) {
        controls_->mnuTray.Popup(*window_);  // may unload this window: nothing may follow
        return;
    }
    if (b != MouseButton::Left) return;
    controls_->TimerCalendarMainStripMove.SetEnabled(false);
}

// A visible reader follows a top-bar drag with its own drag timer; a hidden one stays.
// Asking whether the reader is visible loads it, hidden, when it is not loaded.
void frmFirst::ImageTopBar_MouseDown(MouseButton b) {
    if (b != MouseButton::Left || !Loaded()) return;
    UserMousePosition("Initial");
    controls_->TimerCalendarMainStripMove.SetEnabled(true);
    ReaderLink* reader = seams_.DropWindow ? seams_.DropWindow() : nullptr;
    if (reader && reader->LoadedVisible()) {
        reader->ReaderUserMousePosition("Initial");
        reader->SetReaderDragTimer(true);
    }
}

void frmFirst::ImageTopBar_MouseUp(MouseButton b) {
    if (b != MouseButton::Left) return Form_MouseUp(b);  // other buttons as on the background
    if (!Loaded()) return;
    controls_->TimerCalendarMainStripMove.SetEnabled(false);
    ReaderLink* reader = seams_.DropWindow ? seams_.DropWindow() : nullptr;
    if (reader && reader->LoadedVisible()) reader->SetReaderDragTimer(false);
}

void frmFirst::Label4_MouseUp(MouseButton b) {
    if (b != MouseButton::Left || !Loaded()) return;
    const int* code = std::get_if<int>(&DropWindow_Content);
    ReaderLink* reader = seams_.DropWindow ? seams_.DropWindow() : nullptr;
    if ((!code || *code != 4) && reader) {
        DropWindow_Content = 4;
        // Loading the reader (when it is not loaded) sets the content back to 0.
        reader->ShowReader();
        const platform::Window& w = *window_;
        double top = w.Top() + w.Height();
        // Exactly touching the screen's bottom edge keeps the reader below the strip.
        const double screen_height = world_.screen.Size().height * world_.screen.Factors().y;
        if (top + reader->ReaderHeight() > screen_height) top = w.Top() - reader->ReaderHeight();
        reader->MoveReader(w.Left(), top);
    }
    controls_->ImageArrow0.SetVisible(false);
    controls_->ImageArrow1.SetVisible(true);
}

void frmFirst::TimerCalendarMainStripMove_Timer() {
    if (!Loaded()) return;
    // A tick without a pointer position would move by a meaningless difference.
    if (!UserMousePosition("Drag")) return;
    platform::DragTick(*window_, {DragPointerX, DragPointerY}, world_.screen.Factors(), DragLastX, DragLastY);
}

void frmFirst::ImageClose_MouseUp(MouseButton b) {
    if (b != MouseButton::Left) return;
    if (seams_.HideAllForms) seams_.HideAllForms();
}

void frmFirst::Label3_MouseUp(MouseButton b) {
    if (b != MouseButton::Left || !Loaded()) return;
    window_->SetMousePointer(platform::PointerShape::Hourglass);
    // Where the fixed browser path does not exist, the desktop's default browser opens
    // the address. Failures are ignored: a missing browser leaves everything as it was.
    if (!world_.launcher.StartProgram(std::string(BrowserPath), std::string(WebAddress),
                                      platform::WindowStyle::MaximizedFocus))
        world_.launcher.OpenUrl("https://" + std::string(WebAddress));
    window_->SetMousePointer(platform::PointerShape::Default);
}

}  // namespace tarnvel::strip
