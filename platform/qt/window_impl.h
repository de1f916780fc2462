#pragma once
// The Qt side of a Window, shared with the controls that live in its client area.
//
// A window's widgets, and its controls' widgets with them, are made when the window is
// first shown (or minimised): until then the window and its controls are only their
// properties, so a window loaded hidden at start costs neither widgets nor decoded
// pictures nor laid-out text. The controls are made bottom to top in the order they
// would have been stacked, so the result is the same as making each widget at once.

#include <QIcon>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/units.h"
#include "platform/window.h"
#include "platform/window_core.h"

namespace tarnvel::platform {

struct Window::Impl final : WindowCore {
    // The outer window: frameless, draws the one-pixel frame.
    class FormWidget : public QWidget {
    public:
        explicit FormWidget(Window* w) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), owner(w) {}
        Window* owner;

    protected:
        void paintEvent(QPaintEvent*) override;
        void changeEvent(QEvent* e) override;
        void closeEvent(QCloseEvent* e) override;
        // The keys of on_key, from wherever the focus is in the window (window_keys.cpp).
        void keyPressEvent(QKeyEvent* e) override;
        bool focusNextPrevChild(bool next) override;
    };

    // The client area: background colour, drawn text, the background's pointer events.
    class ClientWidget : public QWidget {
    public:
        ClientWidget(Window* w, QWidget* parent) : QWidget(parent), owner(w) {}
        Window* owner;

    protected:
        void paintEvent(QPaintEvent*) override;
        void mousePressEvent(QMouseEvent* e) override;
        void mouseReleaseEvent(QMouseEvent* e) override;
        void mouseMoveEvent(QMouseEvent* e) override;
    };

    // A control of the window's client area, as the window sees it.
    class Control {
    public:
        // Makes the control's widget in `client`, with every property set so far.
        virtual void CreateWidget(QWidget* client) = 0;
        // The window is being destroyed; its widgets, the control's among them, go with it.
        virtual void Orphan() = 0;
        // Gives the made widget the keyboard focus (Window::Impl::focus).
        virtual void Focus() {}

    protected:
        ~Control() = default;
    };

    bool Created() const { return form != nullptr; }
    // Makes the window's widgets and then its controls', bottom to top; nothing once made.
    void Create();
    void Place() override;
    void Repaint() override;
    int LineHeight(const Font& f) const override;
    // A new control goes on top; it gets its widget at once when the window has its own.
    void Adopt(Control* c);
    void Release(Control* c);
    // Puts a control on top of the others; the widget itself is raised by the control.
    void Raise(Control* c);

    Window* owner = nullptr;
    std::unique_ptr<FormWidget> form;  // null until created
    ClientWidget* client = nullptr;    // owned by form
    std::vector<Control*> controls;    // bottom to top
    Control* focus = nullptr;          // the focus asked for before the widgets were made
    bool top_most = false;
    WindowHandle handle = 0;
    IconHandle icon = 0;
    QIcon icon_picture;
    QString caption;
};

}  // namespace tarnvel::platform
