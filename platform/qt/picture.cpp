// A picture on Qt: a widget made when the window's widgets are, drawing the decoded picture.
#include "platform/picture.h"

#include <QMouseEvent>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "platform/picture_impl.h"
#include "platform/qt/accessible.h"
#include "platform/qt/convert.h"
#include "platform/qt/window_impl.h"

namespace tarnvel::platform {

namespace {

class PictureWidget : public QWidget, public qt::AccessibleSource {
public:
    PictureWidget(Picture* p, const Picture::Impl& d, QWidget* parent) : QWidget(parent), owner(p), state(d) {
        setMouseTracking(true);
    }
    Picture* owner;
    const Picture::Impl& state;
    QPixmap pixmap;

    AccessibleRole Role() const override { return owner->Role(); }
    QString Name() const override { return qt::ToQString(owner->AccessibleName()); }
    void Press() override {
        if (owner->on_activate) owner->on_activate();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (!pixmap.isNull()) {
            const PixelBox b = Placement({0, 0, width(), height()}, {pixmap.width(), pixmap.height()}, state.stretch);
            p.drawPixmap(QRect(b.x, b.y, b.width, b.height), pixmap);
        }
        if (state.state.marked) qt::DrawFocusMark(p, this);
    }
    void mousePressEvent(QMouseEvent* e) override { qt::DeliverButton(owner->mouse.down, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { qt::DeliverButton(owner->mouse.up, e); }
    void mouseMoveEvent(QMouseEvent* e) override { qt::DeliverMove(owner->mouse.move, e); }
};

QString AssetPath(std::string_view name) {
    return QStringLiteral(":/assets/") + qt::ToQString(name) + QStringLiteral(".png");
}

class QtPicture final : public PictureNative, public Window::Impl::Control {
public:
    QtPicture(Picture& owner, Picture::Impl& picture, Window& parent) : owner_(owner), picture_(picture), parent_(&parent) {}
    ~QtPicture() override {
        if (w_) delete w_.data();
        if (parent_) parent_->impl().Release(this);
    }

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
    void Orphan() override { parent_ = nullptr; }

private:
    void Place() {
        if (!parent_) return;
        const PixelBox b = ToPixels(picture_.state.box, parent_->Factors());
        w_->setGeometry(b.x, b.y, b.width, b.height);
    }

    Picture& owner_;
    Picture::Impl& picture_;
    Window* parent_;             // null once the window is gone
    QPointer<PictureWidget> w_;  // null until the window is first shown
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
