// A label on Qt: a QLabel made when the window's widgets are, fed from the shared state.
#include "platform/label.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>

#include "platform/label_impl.h"
#include "platform/qt/accessible.h"
#include "platform/qt/convert.h"
#include "platform/qt/window_impl.h"

namespace tarnvel::platform {

namespace {

class LabelWidget : public QLabel, public qt::AccessibleSource {
public:
    LabelWidget(Label* l, QWidget* parent) : QLabel(parent), owner(l) {
        setTextFormat(Qt::PlainText);
        setMouseTracking(true);
        setWordWrap(false);
    }
    Label* owner;
    bool marked = false;

    AccessibleRole Role() const override { return owner->Role(); }
    QString Name() const override { return qt::ToQString(owner->AccessibleName()); }
    void Press() override {
        if (owner->on_activate) owner->on_activate();
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QLabel::paintEvent(e);
        if (!marked) return;
        QPainter p(this);
        qt::DrawFocusMark(p, this);
    }
    void mousePressEvent(QMouseEvent* e) override { qt::DeliverButton(owner->mouse.down, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { qt::DeliverButton(owner->mouse.up, e); }
    void mouseMoveEvent(QMouseEvent* e) override { qt::DeliverMove(owner->mouse.move, e); }
};

class QtLabel final : public LabelNative, public Window::Impl::Control {
public:
    QtLabel(Label& owner, Label::Impl& label, Window& parent) : owner_(owner), label_(label), parent_(&parent) {}
    ~QtLabel() override {
        if (w_) delete w_.data();
        if (parent_) parent_->impl().Release(this);
    }

    PixelSize Measure(const Font& font, const std::string& caption) const override {
        const QFontMetrics m(qt::ToQFont(font));
        return {m.horizontalAdvance(qt::ToQString(caption)), m.height()};
    }
    bool Live() const override { return parent_ && w_; }
    void Attach() override { parent_->impl().Adopt(this); }

    void Show(const Label::Impl& d, Change what, const TwipsBox&) override {
        if (what == Change::Background) {
            w_->setAutoFillBackground(!d.transparent);
            return;
        }
        if (what == Change::ScreenReader) {
            qt::NameChanged(w_);
            return;
        }
        w_->setFont(qt::ToQFont(d.font));
        QPalette p = w_->palette();
        p.setColor(QPalette::WindowText, qt::ToQColor(d.fore));
        w_->setPalette(p);
        const QString text = qt::ToQString(d.caption);
        if (w_->text() != text) {
            w_->setText(text);
            if (d.state.accessible.name.empty()) qt::NameChanged(w_);
        }
        w_->setToolTip(qt::ToQString(d.state.tooltip));
        Qt::Alignment a = Qt::AlignTop;
        a |= d.align == Alignment::Left ? Qt::AlignLeft : d.align == Alignment::Right ? Qt::AlignRight : Qt::AlignHCenter;
        w_->setAlignment(a);
        const PixelBox b = ToPixels(d.state.box, d.factors);
        w_->setGeometry(b.x, b.y, b.width, b.height);
        w_->setVisible(d.state.visible);
        if (w_->marked != d.state.marked) {
            w_->marked = d.state.marked;
            w_->update();
        }
    }

    void CreateWidget(QWidget* client) override {
        w_ = new LabelWidget(&owner_, client);
        w_->setAutoFillBackground(!label_.transparent);
        label_.Changed(Change::Box);
    }
    void Orphan() override { parent_ = nullptr; }

private:
    Label& owner_;
    Label::Impl& label_;
    Window* parent_;            // null once the window is gone
    QPointer<LabelWidget> w_;   // null until the window is first shown
};

}  // namespace

std::unique_ptr<LabelNative> MakeLabelNative(Label& owner, Label::Impl& label, Window& parent) {
    return std::make_unique<QtLabel>(owner, label, parent);
}

}  // namespace tarnvel::platform
