#pragma once
// The Qt side of a Window, shared with the controls that live in its client area.

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/units.h"
#include "platform/window.h"

namespace tarnvel::platform {

struct Window::Impl {
    // The outer window: frameless, draws the one-pixel frame.
    class FormWidget : public QWidget {
    public:
        explicit FormWidget(Window* w) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), owner(w) {}
        Window* owner;

    protected:
        void paintEvent(QPaintEvent*) override;
        void changeEvent(QEvent* e) override;
        void closeEvent(QCloseEvent* e) override;
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

    struct PrintedLine {
        std::string text;
        Font font;
        Colour colour;
        int y;  // client pixels
    };

    void Place();

    Window* owner = nullptr;
    std::unique_ptr<FormWidget> form;
    ClientWidget* client = nullptr;  // owned by form
    TwipsPerPixel factors;
    double left = 0, top = 0, width = 0, height = 0;
    Colour back = 0x00FFFFFF;
    Font font;
    Colour fore = 0;
    std::vector<PrintedLine> printed;
    int current_y = 0;
    bool shown_once = false;
    PointerShape pointer = PointerShape::Default;
    WindowHandle handle = 0;
    IconHandle icon = 0;
};

}  // namespace tarnvel::platform
