#include "platform/picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "platform/qt/convert.h"
#include "platform/qt/window_impl.h"

namespace tarnvel::platform {

namespace {

class PictureWidget : public QWidget {
public:
    PictureWidget(Picture* p, QWidget* parent) : QWidget(parent), owner(p) { setMouseTracking(true); }
    Picture* owner;
    QPixmap pixmap;
    bool stretch = false;

protected:
    void paintEvent(QPaintEvent*) override {
        if (pixmap.isNull()) return;
        QPainter p(this);
        if (stretch)
            p.drawPixmap(rect(), pixmap);
        else
            p.drawPixmap(0, 0, pixmap);
    }
    void mousePressEvent(QMouseEvent* e) override { qt::DeliverButton(owner->mouse.down, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { qt::DeliverButton(owner->mouse.up, e); }
    void mouseMoveEvent(QMouseEvent* e) override { qt::DeliverMove(owner->mouse.move, e); }
};

}  // namespace

struct Picture::Impl {
    Window* parent = nullptr;
    QPointer<PictureWidget> w;
    double left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool stretch = false;
    std::string tooltip;

    void Place() {
        if (!w) return;
        const TwipsPerPixel f = parent->Factors();
        w->setGeometry(TwipsToPixels(left, f.x), TwipsToPixels(top, f.y), TwipsToPixels(width, f.x),
                       TwipsToPixels(height, f.y));
    }
};

Picture::Picture(Window& parent) : impl_(std::make_unique<Impl>()) {
    impl_->parent = &parent;
    impl_->w = new PictureWidget(this, parent.impl().client);
    impl_->w->show();
}

Picture::~Picture() {
    if (impl_->w) delete impl_->w.data();
}

bool Picture::SetPicture(std::string_view name) {
    if (!impl_->w) return false;
    QPixmap p(QStringLiteral(":/assets/") + qt::ToQString(name) + QStringLiteral(".png"));
    impl_->w->pixmap = p;
    impl_->w->update();
    return !p.isNull();
}

PixelSize Picture::PictureSize() const {
    if (!impl_->w || impl_->w->pixmap.isNull()) return {};
    return {impl_->w->pixmap.width(), impl_->w->pixmap.height()};
}

void Picture::Move(double left, double top, double width, double height) {
    impl_->left = left;
    impl_->top = top;
    impl_->width = width;
    impl_->height = height;
    impl_->Place();
}
double Picture::Left() const { return impl_->left; }
double Picture::Top() const { return impl_->top; }
double Picture::Width() const { return impl_->width; }
double Picture::Height() const { return impl_->height; }

void Picture::SetVisible(bool v) {
    impl_->visible = v;
    if (impl_->w) impl_->w->setVisible(v);
}
bool Picture::Visible() const { return impl_->visible; }

void Picture::SetStretch(bool stretch) {
    impl_->stretch = stretch;
    if (impl_->w) {
        impl_->w->stretch = stretch;
        impl_->w->update();
    }
}
bool Picture::Stretch() const { return impl_->stretch; }

void Picture::SetToolTip(std::string_view text) {
    impl_->tooltip = std::string(text);
    if (impl_->w) impl_->w->setToolTip(qt::ToQString(text));
}
const std::string& Picture::ToolTip() const { return impl_->tooltip; }

void Picture::BringToFront() {
    if (impl_->w) impl_->w->raise();
}

}  // namespace tarnvel::platform
