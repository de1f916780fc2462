// Dragging the reader by its picture strip, and telling a double-click on the strip
// from a press that starts a drag.
#include "platform/drag.h"
#include "reader/frm_drop_window.h"

namespace tarnvel::reader {

using platform::MouseButton;

bool frmDrop_Window::UserMousePosition(std::string_view state) {
    const auto p = world_.pointer.Position();
    // Compared exactly: "initial" changes nothing.
    if (state == "Initial") {
        DragPointerX = 0;
        DragPointerY = 0;
        DragLastX = 0;
        DragLastY = 0;
    } else if (state == "Drag") {
        if (!p) return false;
        DragPointerX = p->x;
        DragPointerY = p->y;
    }
    return true;
}

void frmDrop_Window::Image_Strip_DropDown_MouseDown(MouseButton b) {
    if (b != MouseButton::Left || !Loaded()) return;
    const auto t = now();
    const bool second = last_strip_press_ != std::chrono::steady_clock::time_point{} &&
                        t - last_strip_press_ <= DoubleClickTime;
    // A third press starts a new pair rather than toggling again.
    last_strip_press_ = second ? std::chrono::steady_clock::time_point{} : t;
    UserMousePosition("Initial");
    controls_->TimerCalendarDropDownStripMove.SetEnabled(true);
    if (second) Image_Strip_DropDown_DblClick();
}

void frmDrop_Window::Image_Strip_DropDown_MouseUp(MouseButton b) {
    if (b != MouseButton::Left || !Loaded()) return;
    controls_->TimerCalendarDropDownStripMove.SetEnabled(false);
}

void frmDrop_Window::TimerCalendarDropDownStripMove_Timer() {
    if (!Loaded()) return;
    // A tick without a pointer position would move by a meaningless difference.
    if (!UserMousePosition("Drag")) return;
    platform::DragTick(*window_, {DragPointerX, DragPointerY}, world_.screen.Factors(), DragLastX, DragLastY);
}

}  // namespace tarnvel::reader
