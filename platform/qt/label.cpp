#include "platform/label.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPointer>

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

}  // namespace

struct Label::Impl final : Window::Impl::Control {
    Label* owner = nullptr;
    Window* parent = nullptr;  // null once the window is gone
    QPointer<LabelWidget> w;   // null until the window is first shown
    double left = 0, top = 0, width = 0, height = 0;
    std::string caption, tooltip;
    Accessible accessible;
    bool marked = false;
    Font font;
    Colour fore = 0;
    Alignment align = Alignment::Left;
    bool visible = true;
    bool transparent = true;
    bool autosize = false;
    Anchor anchor = Anchor::Left;
    double anchor_x = 0;  // twips: the kept left edge, right edge or centre
    // The size to the text is worked out when it is first needed: when it is read, or when
    // the widget is placed. A label whose font and caption change several times before its
    // window is shown loads only the face it ends with.
    bool unfitted = false;

    void Fit() {
        if (!autosize || !unfitted || !parent) return;
        unfitted = false;
        const TwipsPerPixel f = parent->Factors();
        const QFontMetrics m(qt::ToQFont(font));
        width = m.horizontalAdvance(qt::ToQString(caption)) * f.x;
        height = m.height() * f.y;
        switch (anchor) {
            case Anchor::Left: left = anchor_x; break;
            case Anchor::Right: left = anchor_x - width; break;
            case Anchor::Centre: left = anchor_x - width / 2; break;
        }
    }
    void Remember() {
        Fit();
        switch (anchor) {
            case Anchor::Left: anchor_x = left; break;
            case Anchor::Right: anchor_x = left + width; break;
            case Anchor::Centre: anchor_x = left + width / 2; break;
        }
    }
    void Apply() {
        if (!parent) return;
        unfitted = autosize;
        if (!w) return;
        Fit();
        const TwipsPerPixel f = parent->Factors();
        w->setFont(qt::ToQFont(font));
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, qt::ToQColor(fore));
        w->setPalette(p);
        const QString text = qt::ToQString(caption);
        if (w->text() != text) {
            w->setText(text);
            if (accessible.name.empty()) qt::NameChanged(w);
        }
        w->setToolTip(qt::ToQString(tooltip));
        Qt::Alignment a = Qt::AlignTop;
        a |= align == Alignment::Left ? Qt::AlignLeft : align == Alignment::Right ? Qt::AlignRight : Qt::AlignHCenter;
        w->setAlignment(a);
        w->setGeometry(TwipsToPixels(left, f.x), TwipsToPixels(top, f.y), TwipsToPixels(width, f.x),
                       TwipsToPixels(height, f.y));
        w->setVisible(visible);
        if (w->marked != marked) {
            w->marked = marked;
            w->update();
        }
    }

    void CreateWidget(QWidget* client) override {
        w = new LabelWidget(owner, client);
        w->setAutoFillBackground(!transparent);
        Apply();
    }
    void Orphan() override { parent = nullptr; }
};

Label::Label(Window& parent) : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->parent = &parent;
    impl_->font = parent.GetFont();
    impl_->Apply();
    parent.impl().Adopt(impl_.get());
}

Label::~Label() {
    if (impl_->w) delete impl_->w.data();
    if (impl_->parent) impl_->parent->impl().Release(impl_.get());
}

void Label::Move(double left, double top, double width, double height) {
    impl_->unfitted = false;
    impl_->left = left;
    impl_->top = top;
    impl_->width = width;
    impl_->height = height;
    impl_->Remember();
    impl_->Apply();
}
double Label::Left() const {
    impl_->Fit();
    return impl_->left;
}
double Label::Top() const { return impl_->top; }
double Label::Width() const {
    impl_->Fit();
    return impl_->width;
}
double Label::Height() const {
    impl_->Fit();
    return impl_->height;
}

void Label::SetCaption(std::string_view text) {
    impl_->caption = std::string(text);
    impl_->Apply();
}
const std::string& Label::Caption() const { return impl_->caption; }
void Label::SetToolTip(std::string_view text) {
    impl_->tooltip = std::string(text);
    impl_->Apply();
}
const std::string& Label::ToolTip() const { return impl_->tooltip; }
void Label::SetVisible(bool v) {
    impl_->visible = v;
    impl_->Apply();
}
bool Label::Visible() const { return impl_->visible; }
void Label::SetForeColor(Colour c) {
    impl_->fore = c;
    impl_->Apply();
}
Colour Label::ForeColor() const { return impl_->fore; }

void Label::SetFont(const Font& f) {
    impl_->font = f;
    impl_->Apply();
}
const Font& Label::GetFont() const { return impl_->font; }
void Label::SetAlignment(Alignment a) {
    impl_->align = a;
    impl_->Apply();
}
Alignment Label::GetAlignment() const { return impl_->align; }

void Label::SetTransparent(bool t) {
    impl_->transparent = t;
    if (impl_->w) impl_->w->setAutoFillBackground(!t);
}

void Label::SetAutoSize(bool on, Anchor anchor) {
    impl_->Fit();  // the edges as they stand, sized by the old setting
    impl_->autosize = on;
    impl_->anchor = anchor;
    impl_->Remember();
    impl_->Apply();
}

void Label::SetAccessible(AccessibleRole role, std::string_view name) {
    impl_->accessible = {role, std::string(name)};
    if (impl_->w) qt::NameChanged(impl_->w);
}
AccessibleRole Label::Role() const { return impl_->accessible.role; }
std::string Label::AccessibleName() const {
    return impl_->accessible.NameOr(impl_->caption);
}
void Label::SetFocusMark(bool on) {
    impl_->marked = on;
    impl_->Apply();
}
bool Label::FocusMark() const { return impl_->marked; }

}  // namespace tarnvel::platform
