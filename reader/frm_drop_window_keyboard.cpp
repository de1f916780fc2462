// What the reader's controls are to a screen reader, and its keys: Tab and Shift+Tab go round
// the menu-bar labels and the maximise or restore picture, Enter or Space does what a left
// click on the marked one does, Esc what Exit does.
#include "reader/frm_drop_window.h"

namespace tarnvel::reader {

using platform::AccessibleRole;
using platform::MouseButton;

void frmDrop_Window::Accessible_Initialize() {
    Controls& c = *controls_;
    // Barahmaha, Akhan and About open menus of their own; History and Exit act at once.
    c.Label1.SetAccessible(AccessibleRole::Menu);
    c.Label2.SetAccessible(AccessibleRole::Menu);
    c.Label3.SetAccessible(AccessibleRole::MenuItem);
    c.Label4.SetAccessible(AccessibleRole::Menu);
    c.Label5.SetAccessible(AccessibleRole::MenuItem);
    c.Label6.SetAccessible(AccessibleRole::Text);
    // Named by their tooltips, "Maximize" and "Restore".
    c.ImageControl0.SetAccessible(AccessibleRole::Button);
    c.ImageControl1.SetAccessible(AccessibleRole::Button);
    c.rchParagraph.SetAccessible(AccessibleRole::Document, "Text");

    c.Label1.on_activate = [this] { Label1_MouseDown(MouseButton::Left); };
    c.Label2.on_activate = [this] { Label2_MouseDown(MouseButton::Left); };
    c.Label3.on_activate = [this] { Label3_MouseUp(MouseButton::Left); };
    c.Label4.on_activate = [this] { Label4_MouseDown(MouseButton::Left); };
    c.Label5.on_activate = [this] { Label5_MouseUp(MouseButton::Left); };
    for (platform::Picture* p : {&c.ImageControl0, &c.ImageControl1}) p->on_activate = [this] { ImageControl_Click(); };
    for (int code = HoverBarahmaha; code <= HoverExit; ++code) c.Keyboard.Add(c.MenuLabel(code));
    // One stop for the two pictures: the mark stays on the toggle when it changes picture.
    c.Keyboard.Add(platform::FocusRing::Stop{
        nullptr,
        [&c](bool on) {
            c.ImageControl0.SetFocusMark(on);
            c.ImageControl1.SetFocusMark(on);
        },
        [this] { ImageControl_Click(); }});
    window_->on_key = [this](platform::Key k) { return Form_KeyDown(k); };
}

bool frmDrop_Window::Form_KeyDown(platform::Key k) {
    if (!Loaded()) return false;
    if (k == platform::Key::Escape) {
        Label5_MouseUp(MouseButton::Left);
        return true;
    }
    return controls_->Keyboard.Key(k);
}

}  // namespace tarnvel::reader
