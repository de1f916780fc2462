// A label on Qt: a QLabel made when the window's widgets are, fed from the shared state.
#include "platform/label.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPointer>

#include "platform/label_impl.h"
#include "platform/qt/accessible.h"
#include "platform/qt/control_widget.h"
#include "platform/qt/convert.h"
#include "platform/qt/window_impl.h"

namespace tarnvel::platform {

namespace {

class LabelWidget : public qt::ControlWidget<QLabel, Label> {
public:
    LabelWidget(Label* l, QWidget* parent) : ControlWidget(l, parent) {
        setTextFormat(Qt::PlainText);
        setWordWrap(false);
    }
    bool marked = false;

protected:
    void paintEvent(QPaintEvent* e) override {
        QLabel::paintEvent(e);
        if (!marked) return;
        QPainter p(this);
        qt::DrawFocusMark(p, this);
    }
};

class QtLabel final : public LabelNative, public qt::WidgetControl<LabelWidget> {
public:
    QtLabel(Label& owner, Label::Impl& label, Window& parent) : WidgetControl(parent), owner_(owner), label_(label) {}

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

private:
    Label& owner_;
    Label::Impl& label_;
};

}  // namespace

std::unique_ptr<LabelNative> MakeLabelNative(Label& owner, Label::Impl& label, Window& parent) {
    return std::make_unique<QtLabel>(owner, label, parent);
}

}  // namespace tarnvel::platform
