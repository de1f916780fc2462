// The window's keys: Tab and Shift+Tab reach on_key instead of moving Qt's own focus (the
// labels and pictures take none), Enter, Space and Esc once no widget inside used them.
#include <QKeyEvent>

#include "platform/qt/window_impl.h"

namespace tarnvel::platform {

namespace {

bool Deliver(Window* owner, Key k) { return owner->on_key && owner->on_key(k); }

}  // namespace

void Window::Impl::FormWidget::keyPressEvent(QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        switch (e->key()) {
            case Qt::Key_Escape:
                if (Deliver(owner, Key::Escape)) return e->accept();
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (Deliver(owner, Key::Enter)) return e->accept();
                break;
            case Qt::Key_Space:
                if (Deliver(owner, Key::Space)) return e->accept();
                break;
            default: break;
        }
    }
    QWidget::keyPressEvent(e);
}

// Every widget of the window passes Tab up to here (QWidget::focusNextPrevChild).
bool Window::Impl::FormWidget::focusNextPrevChild(bool next) {
    // A window that takes the keys keeps Qt's focus where it is, used or not.
    if (!owner->on_key) return QWidget::focusNextPrevChild(next);
    Deliver(owner, next ? Key::Tab : Key::BackTab);
    return true;
}

}  // namespace tarnvel::platform
