// A picture on Qt: a widget made when the window's widgets are, drawing the decoded picture.
#include "platform/picture.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "platform/picture_impl.h"
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
    QPixmap pixmap;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (!pixmap.isNull()) {
            const PixelBox b = Placement({0, 0, width(), height()}, {pixmap.width(), pixmap.height()}, state.stretch);
            p.drawPixmap(QRect(b.x, b.y, b.width, b.height), pixmap);
        }
        if (state.state.marked) qt::DrawFocusMark(p, this);
    }
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

std::unique_ptr<PictureNative> MakePictureNative(Picture& owner, Picture::Impl& picture, Window& parent) {
    return std::make_unique<QtPicture>(owner, picture, parent);
}

}  // namespace tarnvel::platform
