#include "platform/window_stacking.h"

#include "platform/qt/window_impl.h"

namespace tarnvel::platform {

void SetTopMost(Window& w, bool on) {
    QWidget* form = w.impl().form.get();
    if (!form || form->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    // Changing a window flag hides the window; it comes back where and as it was.
    const bool shown = form->isVisible();
    form->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) {
        w.impl().Place();
        form->show();
        if (on) form->raise();
    }
}

bool TopMost(const Window& w) {
    const QWidget* form = w.impl().form.get();
    return form && form->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace tarnvel::platform
