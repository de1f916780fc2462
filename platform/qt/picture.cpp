#include "platform/picture.h"

#include <QMouseEvent>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "platform/picture_scale.h"
#include "platform/qt/accessible.h"
#include "platform/qt/convert.h"
#include "platform/qt/window_impl.h"

namespace tarnvel::platform {

namespace {

class PictureWidget : public QWidget, public qt::AccessibleSource {
public:
    PictureWidget(Picture* p, QWidget* parent) : QWidget(parent), owner(p) { setMouseTracking(true); }
    Picture* owner;
    QPixmap pixmap;  // the 1x drawing
    std::string name;  // of the drawing, for the finer one
    double pixels_per_drawing_pixel = 1;  // the window's logical pixels per pixel of the 1x drawing
    bool stretch = false;
    bool marked = false;

    AccessibleRole Role() const override { return owner->Role(); }
    QString Name() const override { return qt::ToQString(owner->AccessibleName()); }
    void Press() override {
        if (owner->on_activate) owner->on_activate();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const qreal device = devicePixelRatioF();
        const double ratio = device * pixels_per_drawing_pixel;  // device pixels per 1x drawing pixel
        if (!pixmap.isNull() && ratio == 1.0) {
            if (stretch)
                p.drawPixmap(rect(), pixmap);
            else
                p.drawPixmap(0, 0, pixmap);
        } else if (!pixmap.isNull()) {
            p.drawPixmap(QPointF(0, 0), Shown(device, ratio));
        }
        if (marked) qt::DrawFocusMark(p, this);
    }
    void mousePressEvent(QMouseEvent* e) override { qt::DeliverButton(owner->mouse.down, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { qt::DeliverButton(owner->mouse.up, e); }
    void mouseMoveEvent(QMouseEvent* e) override { qt::DeliverMove(owner->mouse.move, e); }

private:
    QPixmap shown;  // the drawing for the scale at the device size it was last shown at
    std::string shown_name;
    qreal shown_ratio = 0;

    // The drawing for the scale made the size of the shown picture in device pixels, so that the
    // painter copies it pixel for pixel instead of enlarging or blurring it.
    const QPixmap& Shown(qreal device, double ratio);
};

QString AssetPath(std::string_view name) {
    return QStringLiteral(":/assets/") + qt::ToQString(name) + QStringLiteral(".png");
}

}  // namespace

namespace qt {

QImage ReadAsset(std::string_view name) {
    QImageReader reader(AssetPath(name), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QSize AssetSize(std::string_view name) {
    QImageReader reader(AssetPath(name), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}

}  // namespace qt

namespace {

const QPixmap& PictureWidget::Shown(qreal device, double ratio) {
    const PixelSize covered = stretch ? PixelSize{DevicePixels(width(), device), DevicePixels(height(), device)}
                                      : ShownSize({pixmap.width(), pixmap.height()}, ratio);
    const QSize size(covered.width, covered.height);
    if (shown_ratio == ratio && shown.size() == size && shown_name == name) return shown;
    QImage drawing = DrawingScale(ratio) == 1 ? pixmap.toImage() : qt::ReadAsset(DrawingName(name, 2));
    if (drawing.isNull()) drawing = pixmap.toImage();  // a picture drawn at 1x only
    if (drawing.size() != size) drawing = drawing.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown = QPixmap::fromImage(drawing);
    shown.setDevicePixelRatio(device);
    shown_ratio = ratio;
    shown_name = name;
    return shown;
}

}  // namespace

struct Picture::Impl final : Window::Impl::Control {
    Picture* owner = nullptr;
    Window* parent = nullptr;    // null once the window is gone
    QPointer<PictureWidget> w;   // null until the window is first shown
    std::string name;            // empty: no picture
    PixelSize size;
    double left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool stretch = false;
    std::string tooltip;
    Accessible accessible;
    bool marked = false;

    void Place() {
        if (!w) return;
        const TwipsPerPixel f = parent->Factors();
        w->setGeometry(TwipsToPixels(left, f.x), TwipsToPixels(top, f.y), TwipsToPixels(width, f.x),
                       TwipsToPixels(height, f.y));
    }

    // The picture is decoded only for a widget that shows it.
    void CreateWidget(QWidget* client) override {
        w = new PictureWidget(owner, client);
        if (!name.empty()) w->pixmap = QPixmap::fromImage(qt::ReadAsset(name));
        w->name = std::string(name);
        w->pixels_per_drawing_pixel = RatioOfFactors(parent->Factors());
        w->stretch = stretch;
        w->marked = marked;
        w->setToolTip(qt::ToQString(tooltip));
        Place();
        w->setVisible(visible);
    }
    void Orphan() override { parent = nullptr; }
};

Picture::Picture(Window& parent) : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->parent = &parent;
    parent.impl().Adopt(impl_.get());
}

Picture::~Picture() {
    if (impl_->w) delete impl_->w.data();
    if (impl_->parent) impl_->parent->impl().Release(impl_.get());
}

bool Picture::SetPicture(std::string_view name) {
    Impl& d = *impl_;
    if (!d.parent) return false;
    if (d.w) {
        const QPixmap p = QPixmap::fromImage(qt::ReadAsset(name));
        d.w->pixmap = p;
        d.w->name = std::string(name);
        d.w->update();
        d.size = {p.width(), p.height()};
    } else {
        // Only the header is read until the picture is shown.
        const QSize s = qt::AssetSize(name);
        d.size = s.isValid() ? PixelSize{s.width(), s.height()} : PixelSize{};
    }
    const bool found = d.size.width > 0 && d.size.height > 0;
    d.name = found ? std::string(name) : std::string();
    if (!found) d.size = {};
    return found;
}

PixelSize Picture::PictureSize() const { return impl_->size; }

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
    if (impl_->parent) impl_->parent->impl().Raise(impl_.get());
    if (impl_->w) impl_->w->raise();
}

void Picture::SetAccessible(AccessibleRole role, std::string_view name) {
    impl_->accessible = {role, std::string(name)};
    if (impl_->w) qt::NameChanged(impl_->w);
}
AccessibleRole Picture::Role() const { return impl_->accessible.role; }
std::string Picture::AccessibleName() const {
    return impl_->accessible.NameOr(impl_->tooltip);
}
void Picture::SetFocusMark(bool on) {
    impl_->marked = on;
    if (impl_->w && impl_->w->marked != on) {
        impl_->w->marked = on;
        impl_->w->update();
    }
}
bool Picture::FocusMark() const { return impl_->marked; }

}  // namespace tarnvel::platform
