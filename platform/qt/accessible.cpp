// The accessible interfaces of the controls' widgets. QLabel and a plain QWidget would be
// offered as static text and as an unnamed client area; these say what the program says
// each control is, and a link's or button's press runs what Enter on it runs.
#include "platform/qt/accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>

namespace tarnvel::platform::qt {

namespace {

const char* const DocumentProperty = "tarnvelDocument";

QAccessible::Role ToQt(AccessibleRole r) {
    switch (r) {
        case AccessibleRole::Text: return QAccessible::StaticText;
        case AccessibleRole::Link: return QAccessible::Link;
        case AccessibleRole::Button: return QAccessible::Button;
        // AT-SPI's "popup menu": the label stands for the menu it opens.
        case AccessibleRole::Menu: return QAccessible::PopupMenu;
        case AccessibleRole::MenuItem: return QAccessible::MenuItem;
        case AccessibleRole::Document: return QAccessible::Document;
        case AccessibleRole::None: break;
    }
    return QAccessible::Client;
}

class ControlAccessible : public QAccessibleWidget {
public:
    ControlAccessible(QWidget* w, AccessibleSource* s) : QAccessibleWidget(w, ToQt(s->Role())), source(s) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return source->Name();
        return QAccessibleWidget::text(t);
    }
    QAccessible::Role role() const override { return ToQt(source->Role()); }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (Pressable()) s.focusable = true;
        return s;
    }
    QStringList actionNames() const override {
        return Pressable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && Pressable()) source->Press();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool Pressable() const {
        const AccessibleRole r = source->Role();
        return r != AccessibleRole::None && r != AccessibleRole::Text;
    }
    AccessibleSource* source;
};

// A read-only document: its text is read through the text interface, offsets in characters
// of the shown text.
class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DocumentAccessible(QTextEdit* e) : QAccessibleWidget(e, QAccessible::Document), edit(e) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return edit->accessibleName();
        if (t == QAccessible::Value) return edit->toPlainText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.multiLine = true;
        return s;
    }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override {
        const QTextCursor c = edit->textCursor();
        *start = *end = 0;
        if (index == 0 && c.hasSelection()) {
            *start = c.selectionStart();
            *end = c.selectionEnd();
        }
    }
    int selectionCount() const override { return edit->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        QTextCursor c = edit->textCursor();
        c.clearSelection();
        edit->setTextCursor(c);
    }
    void setSelection(int, int start, int end) override {
        QTextCursor c(edit->document());
        c.setPosition(Clamp(start));
        c.setPosition(Clamp(end), QTextCursor::KeepAnchor);
        edit->setTextCursor(c);
    }
    int cursorPosition() const override { return edit->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor c(edit->document());
        c.setPosition(Clamp(position));
        edit->setTextCursor(c);
    }
    QString text(int start, int end) const override {
        const QString all = Plain();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Plain().size()); }
    QRect characterRect(int offset) const override {
        QTextCursor c(edit->document());
        c.setPosition(Clamp(offset));
        const QRect r = edit->cursorRect(c);
        return QRect(edit->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return edit->cursorForPosition(edit->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int) override {
        QTextCursor c(edit->document());
        c.setPosition(Clamp(start));
        edit->setTextCursor(c);
        edit->ensureCursorVisible();
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = Clamp(offset);
        return {};
    }

private:
    // The document's characters as the cursor counts them: paragraphs end in one separator.
    QString Plain() const { return edit->document()->toPlainText(); }
    int Clamp(int offset) const { return std::clamp(offset, 0, characterCount()); }
    QTextEdit* edit;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* source = dynamic_cast<AccessibleSource*>(object))
        if (auto* w = qobject_cast<QWidget*>(object)) return new ControlAccessible(w, source);
    if (auto* e = qobject_cast<QTextEdit*>(object))
        if (e->property(DocumentProperty).toBool()) return new DocumentAccessible(e);
    return nullptr;
}

}  // namespace

void InstallAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void MarkAsDocument(QTextEdit* view) { view->setProperty(DocumentProperty, true); }

void NameChanged(QWidget* w) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent e(w, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
}

void DrawFocusMark(QPainter& p, QWidget* w) {
    QPen pen(w->palette().color(QPalette::WindowText));
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(w->rect().adjusted(0, 0, -1, -1));
}

}  // namespace tarnvel::platform::qt
