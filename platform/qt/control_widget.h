#pragma once
// The widget of a label or a picture: it answers screen readers with its control's role and
// name, presses the control's on_activate, and hands pointer events to the control's handlers.

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include "platform/qt/accessible.h"
#include "platform/qt/convert.h"
#include "platform/qt/window_impl.h"

namespace tarnvel::platform::qt {

template <class Base, class Owner>
class ControlWidget : public Base, public AccessibleSource {
public:
    ControlWidget(Owner* o, QWidget* parent) : Base(parent), owner(o) { this->setMouseTracking(true); }
    Owner* owner;

    AccessibleRole Role() const override { return owner->Role(); }
    QString Name() const override { return ToQString(owner->AccessibleName()); }
    void Press() override {
        if (owner->on_activate) owner->on_activate();
    }

protected:
    void mousePressEvent(QMouseEvent* e) override { DeliverButton(owner->mouse.down, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { DeliverButton(owner->mouse.up, e); }
    void mouseMoveEvent(QMouseEvent* e) override { DeliverMove(owner->mouse.move, e); }
};

// A control's place among its window's: its widget, made with the window's, goes with it.
template <class Widget>
class WidgetControl : public Window::Impl::Control {
public:
    explicit WidgetControl(Window& parent) : parent_(&parent) {}
    ~WidgetControl() {
        if (w_) delete w_.data();
        if (parent_) parent_->impl().Release(this);
    }
    void Orphan() override { parent_ = nullptr; }

protected:
    Window* parent_;       // null once the window is gone
    QPointer<Widget> w_;   // null until the window is first shown
};

}  // namespace tarnvel::platform::qt
