// The strip's gestures: drag by the background or the top bar, the close picture
// and the web link. Only the left button counts.
#include "strip/frm_first.h"
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
    if (b != MouseButton::Left || !Loaded()) return;
    controls_->TimerCalendarMainStripMove.SetEnabled(false);
}

// The reader window follows a top-bar drag once it exists; until then the top bar
// drags the strip alone.
void frmFirst::ImageTopBar_MouseDown(MouseButton b) { Form_MouseDown(b); }
void frmFirst::ImageTopBar_MouseUp(MouseButton b) { Form_MouseUp(b); }

void frmFirst::TimerCalendarMainStripMove_Timer() {
    if (!Loaded()) return;
    // A tick without a pointer position would move by a meaningless difference.
    if (!UserMousePosition("Drag")) return;
    const platform::TwipsPerPixel f = world_.screen.Factors();
    const float newX = static_cast<float>(DragPointerX * f.x);
    const float newY = static_cast<float>(DragPointerY * f.y);
    // 0 means "not yet taken": on the screen's left or top edge that axis's
    // movement of one tick is lost.
    if (DragLastX == 0) DragLastX = newX;
    if (DragLastY == 0) DragLastY = newY;
    float dX = 0;
    float dY = 0;
    if (DragLastX != newX) {
        dX = DragLastX - newX;
        DragLastX = newX;
    }
    if (DragLastY != newY) {
        dY = DragLastY - newY;
        DragLastY = newY;
    }
    platform::Window& w = *window_;
    w.SetLeft(static_cast<float>(w.Left()) - dX);
    w.SetTop(static_cast<float>(w.Top()) - dY);
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
