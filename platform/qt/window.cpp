#include "platform/window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "platform/picture_scale.h"
#include "platform/qt/accessible.h"
#include "platform/qt/convert.h"
#include "platform/qt/window_impl.h"
#include "platform/qt/window_messages.h"

namespace tarnvel::platform {

namespace {

constexpr Colour FrameColour = 0x00646464;

}  // namespace

void Window::Impl::FormWidget::paintEvent(QPaintEvent*) {
    // The frame is what the client area, a pixel in from each edge, leaves of the window: filled
    // rather than outlined, it covers whole device pixels at every scale, where a line one pixel
    // wide would leave a row of device pixels bare beside it above 1x.
    QPainter p(this);
    p.fillRect(rect(), qt::ToQColor(FrameColour));
}

void Window::Impl::FormWidget::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange) return;
    // The window manager's minimise and restore reach the window's procedure as the
    // system commands they are.
    const bool was = static_cast<QWindowStateChangeEvent*>(e)->oldState() & Qt::WindowMinimized;
    const bool is = windowState() & Qt::WindowMinimized;
    const WindowHandle h = owner->Handle();
    if (is && !was) qt::Dispatch(h, WM_SYSCOMMAND_, SC_MINIMIZE_, 0);
    if (was && !is) qt::Dispatch(h, WM_SYSCOMMAND_, SC_RESTORE_, 0);
    if (qt::FindWindow(h) && owner->on_resize) owner->on_resize();
}

void Window::Impl::FormWidget::closeEvent(QCloseEvent* e) {
    // The windows go away only through the program's own commands; the window
    // manager's close asks the program what to do instead.
    e->ignore();
    if (owner->on_close) owner->on_close();
}

void Window::Impl::ClientWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Impl& d = owner->impl();
    p.fillRect(rect(), qt::ToQColor(d.back));
    for (const auto& line : d.printed) {
        const QFont f = qt::ToQFont(line.font);
        p.setFont(f);
        p.setPen(qt::ToQColor(line.colour));
        p.drawText(0, line.y + QFontMetrics(f).ascent(), qt::ToQString(line.text));
    }
    // The backing store is flushed to the screen after the paint events of this turn, so the
    // call comes on the next one; it goes with the widget.
    Impl& own = owner->impl();
    if (own.painted_once) return;
    own.painted_once = true;
    Window* const w = owner;
    QTimer::singleShot(0, this, [w] {
        if (const auto handler = w->on_first_paint) handler();
    });
}

void Window::Impl::ClientWidget::mousePressEvent(QMouseEvent* e) { qt::DeliverButton(owner->mouse.down, e); }
void Window::Impl::ClientWidget::mouseReleaseEvent(QMouseEvent* e) { qt::DeliverButton(owner->mouse.up, e); }
void Window::Impl::ClientWidget::mouseMoveEvent(QMouseEvent* e) { qt::DeliverMove(owner->mouse.move, e); }

void Window::Impl::Place() {
    if (!form) return;
    const PixelBox b = OuterPixels();
    form->setFixedSize(b.width, b.height);
    form->move(b.x, b.y);
    client->setGeometry(1, 1, b.width - 2, b.height - 2);
}

void Window::Impl::Repaint() {
    if (client) client->update();
}

int Window::Impl::LineHeight(const Font& f) const { return QFontMetrics(qt::ToQFont(f)).height(); }

WindowCore& CoreOf(const Window& w) { return w.impl(); }

void Window::Impl::Create() {
    if (form) return;
    qt::InstallAccessibleFactory();
    form = std::make_unique<FormWidget>(owner);
    client = new ClientWidget(owner, form.get());
    client->setMouseTracking(true);
    form->setMouseTracking(true);
    if (top_most) form->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (!icon_picture.isNull()) form->setWindowIcon(icon_picture);
    form->setWindowTitle(caption);
    if (pointer == PointerShape::Hourglass) form->setCursor(Qt::WaitCursor);
    Place();
    for (Control* c : controls) c->CreateWidget(client);
    if (focus) focus->Focus();
    focus = nullptr;
}

void Window::Impl::Adopt(Control* c) {
    controls.push_back(c);
    if (client) c->CreateWidget(client);
}

void Window::Impl::Release(Control* c) {
    std::erase(controls, c);
    if (focus == c) focus = nullptr;
}

void Window::Impl::Raise(Control* c) {
    const auto it = std::find(controls.begin(), controls.end(), c);
    if (it != controls.end()) std::rotate(it, it + 1, controls.end());
}

Window::Window() : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->factors = qt::ScreenFactors();
    impl_->handle = qt::RegisterWindow(this);
}

Window::~Window() {
    // The last message a window's procedure receives.
    qt::Dispatch(impl_->handle, WM_NCDESTROY_, 0, 0);
    qt::ForgetWindow(impl_->handle);
    for (Impl::Control* c : impl_->controls) c->Orphan();
}

WindowHandle Window::Handle() const { return impl_->handle; }
IconHandle Window::Icon() const { return impl_->icon; }

void Window::Minimize() {
    impl_->Create();
    impl_->form->showMinimized();
}

void Window::SetIcon(std::string_view picture) {
    const QString name = qt::ToQString(picture);
    // Not QIcon(file name): that asks every image plug-in whether the file is theirs.
    const QImage image = qt::ReadAsset(picture);
    QIcon icon;
    if (!image.isNull()) {
        icon.addPixmap(QPixmap::fromImage(image));
        // The finer drawing, for docks and window lists on a screen of more device pixels.
        const QImage fine = qt::ReadAsset(DrawingName(picture, 2));
        if (!fine.isNull()) icon.addPixmap(QPixmap::fromImage(fine));
    }
    impl_->icon_picture = icon;
    if (impl_->form) impl_->form->setWindowIcon(icon);
    impl_->icon = qt::RegisterIcon(name, icon);
}

void Window::SetCaption(std::string_view text) {
    impl_->caption = qt::ToQString(text);
    if (impl_->form) impl_->form->setWindowTitle(impl_->caption);
}

void Window::Show() {
    const bool first = impl_->FirstShow();
    impl_->Create();
    if (impl_->form->windowState() & Qt::WindowMinimized)
        impl_->form->setWindowState(impl_->form->windowState() & ~Qt::WindowMinimized);
    impl_->form->show();
    if (first && on_resize) on_resize();
}

void Window::Hide() {
    if (impl_->form) impl_->form->hide();
}
bool Window::Visible() const { return impl_->form && impl_->form->isVisible(); }

WindowState Window::State() const {
    if (!impl_->form) return WindowState::Normal;
    const auto s = impl_->form->windowState();
    if (s & Qt::WindowMinimized) return WindowState::Minimized;
    if (s & Qt::WindowMaximized) return WindowState::Maximized;
    return WindowState::Normal;
}

void Window::SetMousePointer(PointerShape shape) {
    impl_->pointer = shape;
    if (!impl_->form) return;
    if (shape == PointerShape::Hourglass)
        impl_->form->setCursor(Qt::WaitCursor);
    else
        impl_->form->unsetCursor();
}
}  // namespace tarnvel::platform
