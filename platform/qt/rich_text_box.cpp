#include "platform/rich_text_box.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

#include "gurmukhi/fonts.h"
#include "gurmukhi/gurmukhi.h"
#include "platform/qt/accessible.h"
#include "platform/qt/convert.h"
#include "platform/qt/gurmukhi_faces.h"
#include "platform/qt/window_impl.h"
#include "platform/rich_text_state.h"
#include "richtext/utf.h"

namespace tarnvel::platform {

namespace {

class RichTextWidget : public QTextEdit {
public:
    RichTextWidget(RichTextBox* r, QWidget* parent) : QTextEdit(parent), owner(r) {
        setReadOnly(true);
        // Selectable by keyboard would draw a caret in a text no one can type into.
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        setFrameShape(QFrame::NoFrame);
        setMouseTracking(true);
        viewport()->setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }
    RichTextBox* owner;

protected:
    // The window's keys pass through to it (Space would page down here).
    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
            case Qt::Key_Escape:
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Space:
                if (e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier) return e->ignore();
                break;
            default: break;
        }
        QTextEdit::keyPressEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (owner->mouse.move) owner->mouse.move();
        QTextEdit::mouseMoveEvent(e);
    }
};

// The Unicode Gurmukhi face used where the legacy font is missing.
QString UnicodeGurmukhiFamily() {
    return qt::ToQString(
        gurmukhi::unicode_font([](std::string_view name) { return QFontDatabase::hasFamily(qt::ToQString(name)); }));
}

QString ToQ(std::u16string_view s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

// Inside a paragraph a line break (CR LF) is a line separator of the view.
QString LineBreaks(QString s) {
    s.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    s.replace(QChar('\r'), QChar::LineSeparator);
    s.replace(QChar('\n'), QChar::LineSeparator);
    return s;
}

// Indents and spacing in twips, in the window's pixels (`f`), which follow the screen's DPI.
QTextBlockFormat BlockFormat(const richtext::ParaFormat& p, TwipsPerPixel f) {
    QTextBlockFormat b;
    switch (p.alignment) {
        case richtext::Alignment::Left: b.setAlignment(Qt::AlignLeft); break;
        case richtext::Alignment::Center: b.setAlignment(Qt::AlignHCenter); break;
        case richtext::Alignment::Right: b.setAlignment(Qt::AlignRight); break;
        case richtext::Alignment::Justify: b.setAlignment(Qt::AlignJustify); break;
    }
    b.setLeftMargin(p.left_indent / f.x);
    b.setRightMargin(p.right_indent / f.x);
    b.setTextIndent(p.first_line_indent / f.x);
    b.setTopMargin(p.space_before / f.y);
    b.setBottomMargin(p.space_after / f.y);
    return b;
}

}  // namespace

struct RichTextBox::Impl final : Window::Impl::Control, RichTextState {
    RichTextBox* owner = nullptr;
    Window* parent = nullptr;     // null once the window is gone
    QPointer<RichTextWidget> w;   // null until the window is first shown
    // Whether the view shows converted Gurmukhi; known once the document has been laid
    // into a view (the widget's, or a passing one while there is no widget).
    mutable bool converted = false;
    mutable bool rendered = false;

    void Place() override {
        if (!w) return;
        const PixelBox b = ToPixels(box, parent->Factors());
        w->setGeometry(b.x, b.y, b.width, b.height);
    }
    void ShowVisible() override {
        if (visible && parent) parent->impl().Raise(this);
        if (w) {
            w->setVisible(visible);
            if (visible) w->raise();
        }
    }

    QTextCharFormat CharFormat(const richtext::CharFormat& c, bool& legacy) const {
        QTextCharFormat q;
        legacy = false;
        if (c.font >= 0 && static_cast<std::size_t>(c.font) < doc.fonts.size()) {
            const richtext::Font& font = doc.fonts[static_cast<std::size_t>(c.font)];
            const QString family = qt::ToQString(font.name);
            legacy = font.legacy_gurmukhi && !QFontDatabase::hasFamily(family);
            q.setFontFamilies({legacy ? UnicodeGurmukhiFamily() : family});
        }
        q.setFontPointSize(std::max(1, c.size) / 2.0);
        q.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
        q.setFontItalic(c.italic);
        q.setFontUnderline(c.underline);
        if (c.color != richtext::kAutoColor)
            q.setForeground(QColor((c.color >> 16) & 0xFF, (c.color >> 8) & 0xFF, c.color & 0xFF));
        return q;
    }

    // Lays the document into `view`, paragraph by paragraph and run by run.
    void RenderInto(QTextDocument& view) const {
        converted = false;
        rendered = true;
        view.clear();
        QTextCursor cur(&view);
        bool first = true;
        std::size_t run = 0;
        const TwipsPerPixel f = parent ? parent->Factors() : TwipsPerPixel{};
        for (const richtext::Paragraph& p : doc.paragraphs) {
            // The mark that ends every paragraph but the last is not text of the view.
            std::uint32_t end = p.end;
            if (end - p.start >= 2 && doc.text[end - 2] == u'\r' && doc.text[end - 1] == u'\n' &&
                &p != &doc.paragraphs.back())
                end -= 2;
            if (first)
                cur.setBlockFormat(BlockFormat(p.format, f));
            else
                cur.insertBlock(BlockFormat(p.format, f));
            first = false;
            while (run < doc.runs.size() && doc.runs[run].start + doc.runs[run].length <= p.start) ++run;
            for (std::size_t r = run; r < doc.runs.size() && doc.runs[r].start < end; ++r) {
                const richtext::Run& rn = doc.runs[r];
                if (rn.format.hidden) continue;
                const std::uint32_t a = std::max(rn.start, p.start);
                const std::uint32_t b = std::min(rn.start + rn.length, end);
                if (a >= b) continue;
                bool legacy = false;
                const QTextCharFormat fmt = CharFormat(rn.format, legacy);
                const std::u16string_view part(doc.text.data() + a, b - a);
                QString shown = ToQ(part);
                if (legacy) {
                    shown = QString::fromStdString(
                        gurmukhi::legacy_to_unicode(richtext::to_utf8(richtext::typed_bytes(part))));
                    converted = true;
                }
                cur.insertText(LineBreaks(shown), fmt);
            }
        }
    }

    // Rebuilds the view from the document; without a widget that waits until there is one.
    void Render() override {
        rendered = false;
        converted = false;
        if (!w) return;
        w->clear();
        qt::FillLendingGurmukhiFace(*w->document(), UnicodeGurmukhiFamily(), [this] { RenderInto(*w->document()); });
        ScrollToTop();
    }

    // The text as a view shows it, laying out a passing view while there is no widget.
    QString ViewText() const {
        if (w) return w->document()->toPlainText();
        QTextDocument view;
        RenderInto(view);
        return view.toPlainText();
    }

    void ScrollToTop() override {
        if (!w) return;
        QTextCursor c(w->document());
        c.movePosition(QTextCursor::Start);
        w->setTextCursor(c);
        w->verticalScrollBar()->setValue(0);
    }

    void ShowAccessible() override {
        if (!w) return;
        if (accessible.role == AccessibleRole::Document) qt::MarkAsDocument(w);
        w->setAccessibleName(qt::ToQString(accessible.name));
    }

    void ShowBackColor() override {
        if (!w) return;
        QPalette p = w->palette();
        p.setColor(QPalette::Base, qt::ToQColor(back));
        w->setPalette(p);
    }

    void CreateWidget(QWidget* client) override {
        w = new RichTextWidget(owner, client);
        ShowAccessible();
        ShowBackColor();
        Place();
        Render();
        w->setVisible(visible);
    }
    void Orphan() override { parent = nullptr; }
    void Focus() override {
        if (w) w->setFocus(Qt::MouseFocusReason);
    }

};

RichTextBox::RichTextBox(Window& parent) : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->parent = &parent;
    parent.impl().Adopt(impl_.get());
}

RichTextBox::~RichTextBox() {
    if (impl_->w) delete impl_->w.data();
    if (impl_->parent) impl_->parent->impl().Release(impl_.get());
}

RichTextState& RichTextBox::State() const { return *impl_; }

void RichTextBox::SetFocus() {
    if (impl_->w)
        impl_->w->setFocus(Qt::MouseFocusReason);
    else if (impl_->parent)
        impl_->parent->impl().focus = impl_.get();
}
bool RichTextBox::HasFocus() const {
    if (impl_->w) return impl_->w->window()->focusWidget() == impl_->w;
    return impl_->parent && impl_->parent->impl().focus == impl_.get();
}

bool RichTextBox::ShowsConvertedGurmukhi() const {
    if (!impl_->rendered && impl_->parent) impl_->ViewText();
    return impl_->converted;
}

std::string RichTextBox::ShownText() const {
    if (!impl_->parent) return {};
    QString s = impl_->ViewText();
    s.replace(QChar::LineSeparator, QChar('\n'));
    return s.toStdString();
}

}  // namespace tarnvel::platform
