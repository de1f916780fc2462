#include "platform/window_stacking.h"

#include "platform/qt/window_impl.h"

namespace tarnvel::platform {

void SetTopMost(Window& w, bool on) {
    Window::Impl& d = w.impl();
    if (d.top_most == on) return;
    d.top_most = on;
    QWidget* form = d.form.get();
    if (!form) return;  // taken when the window's widgets are made
    // Changing a window flag hides the window; it comes back where and as it was.
    const bool shown = form->isVisible();
    form->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) {
        d.Place();
        form->show();
        if (on) form->raise();
    }
}

bool TopMost(const Window& w) { return w.impl().top_most; }

}  // namespace tarnvel::platform
