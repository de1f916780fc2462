// What the strip's controls are to a screen reader, and its keys: Tab and Shift+Tab go round
// "More Information", the web link and the close picture; Enter or Space does what a left
// click on the marked one does.
#include "strip/frm_first.h"

namespace tarnvel::strip {

using platform::AccessibleRole;
using platform::MouseButton;

void frmFirst::Accessible_Initialize() {
    Controls& c = *controls_;
    // The dates and the greeting are read by their captions, which change with the day.
    for (platform::Label* l : {&c.Label1, &c.Label2, &c.Label6}) l->SetAccessible(AccessibleRole::Text);
    c.Label4.SetAccessible(AccessibleRole::Link);
    c.Label3.SetAccessible(AccessibleRole::Link);
    c.ImageClose.SetAccessible(AccessibleRole::Button, "Close");

    c.Label4.on_activate = [this] { Label4_MouseUp(MouseButton::Left); };
    c.Label3.on_activate = [this] { Label3_MouseUp(MouseButton::Left); };
    c.ImageClose.on_activate = [this] { ImageClose_MouseUp(MouseButton::Left); };
    c.Keyboard.Add(c.Label4);
    c.Keyboard.Add(c.Label3);
    c.Keyboard.Add(c.ImageClose);
    window_->on_key = [this](platform::Key k) { return Form_KeyDown(k); };
}

bool frmFirst::Form_KeyDown(platform::Key k) {
    if (!Loaded()) return false;
    return controls_->Keyboard.Key(k);
}

}  // namespace tarnvel::strip
