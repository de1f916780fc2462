// A picture on Qt: a widget made when the window's widgets are, drawing the decoded picture.
#include "platform/picture.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "platform/picture_impl.h"
#include "platform/picture_scale.h"
#include "platform/qt/accessible.h"
#include "platform/qt/control_widget.h"
#include "platform/qt/convert.h"
#include "platform/qt/window_impl.h"

namespace tarnvel::platform {

namespace {

class PictureWidget : public qt::ControlWidget<QWidget, Picture> {
public:
    PictureWidget(Picture* p, const Picture::Impl& d, QWidget* parent) : ControlWidget(p, parent), state(d) {}
    const Picture::Impl& state;
    QPixmap pixmap;  // the 1x drawing
    double pixels_per_drawing_pixel = 1;  // the window's logical pixels per pixel of the 1x drawing

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const qreal device = devicePixelRatioF();
        const double ratio = device * pixels_per_drawing_pixel;  // device pixels per 1x drawing pixel
        if (!pixmap.isNull() && ratio == 1.0) {
            const PixelBox b = Placement({0, 0, width(), height()}, {pixmap.width(), pixmap.height()}, state.stretch);
            p.drawPixmap(QRect(b.x, b.y, b.width, b.height), pixmap);
        } else if (!pixmap.isNull()) {
            p.drawPixmap(QPointF(0, 0), Shown(device, ratio));
        }
        if (state.state.marked) qt::DrawFocusMark(p, this);
    }

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

class QtPicture final : public PictureNative, public qt::WidgetControl<PictureWidget> {
public:
    QtPicture(Picture& owner, Picture::Impl& picture, Window& parent)
        : WidgetControl(parent), owner_(owner), picture_(picture) {}

    bool Attached() const override { return parent_ != nullptr; }
    void Attach() override { parent_->impl().Adopt(this); }

    PixelSize Load(const std::string& name) override {
        if (w_) {
            w_->pixmap = QPixmap::fromImage(qt::ReadAsset(name));
            return {w_->pixmap.width(), w_->pixmap.height()};
        }
        // Only the header is read until the picture is shown.
        const QSize s = qt::AssetSize(name);
        return s.isValid() ? PixelSize{s.width(), s.height()} : PixelSize{};
    }

    void Show(const Picture::Impl& d, Change what, const TwipsBox&) override {
        if (what == Change::Order && parent_) parent_->impl().Raise(this);
        if (!w_) return;
        switch (what) {
            case Change::Box: Place(); break;
            case Change::Visible: w_->setVisible(d.state.visible); break;
            case Change::Tip: w_->setToolTip(qt::ToQString(d.state.tooltip)); break;
            case Change::ScreenReader: qt::NameChanged(w_); break;
            case Change::Order: w_->raise(); break;
            default: w_->update(); break;
        }
    }

    // The picture is decoded only for a widget that shows it.
    void CreateWidget(QWidget* client) override {
        w_ = new PictureWidget(&owner_, picture_, client);
        if (!picture_.name.empty()) w_->pixmap = QPixmap::fromImage(qt::ReadAsset(picture_.name));
        w_->pixels_per_drawing_pixel = RatioOfFactors(parent_->Factors());
        w_->setToolTip(qt::ToQString(picture_.state.tooltip));
        Place();
        w_->setVisible(picture_.state.visible);
    }

private:
    void Place() {
        if (!parent_) return;
        const PixelBox b = ToPixels(picture_.state.box, parent_->Factors());
        w_->setGeometry(b.x, b.y, b.width, b.height);
    }

    Picture& owner_;
    Picture::Impl& picture_;
};

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

const QPixmap& PictureWidget::Shown(qreal device, double ratio) {
    const PixelSize covered = state.stretch ? PixelSize{DevicePixels(width(), device), DevicePixels(height(), device)}
                                            : ShownSize({pixmap.width(), pixmap.height()}, ratio);
    const QSize size(covered.width, covered.height);
    if (shown_ratio == ratio && shown.size() == size && shown_name == state.name) return shown;
    QImage drawing = DrawingScale(ratio) == 1 ? pixmap.toImage() : qt::ReadAsset(DrawingName(state.name, 2));
    if (drawing.isNull()) drawing = pixmap.toImage();  // a picture drawn at 1x only
    if (drawing.size() != size) drawing = drawing.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown = QPixmap::fromImage(drawing);
    shown.setDevicePixelRatio(device);
    shown_ratio = ratio;
    shown_name = state.name;
    return shown;
}

std::unique_ptr<PictureNative> MakePictureNative(Picture& owner, Picture::Impl& picture, Window& parent) {
    return std::make_unique<QtPicture>(owner, picture, parent);
}

}  // namespace tarnvel::platform
