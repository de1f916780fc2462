// The keyboard and screen readers on Qt: the keys a window hands to on_key from wherever its
// focus is, the mark of the marked control, the caret-less text, and the accessible
// interfaces a screen reader is given.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QTextCursor>
#include <QTextEdit>
#include <optional>
#include <vector>

#include "platform/label.h"
#include "platform/picture.h"
#include "platform/qt/window_impl.h"
#include "platform/rich_text_box.h"
#include "platform/window.h"

namespace tarnvel::platform {
namespace {

void Press(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(target, &up);
}

class KeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        w.SetSize(3000, 1500);
        label.SetCaption("More Information");
        label.Move(30, 30, 1500, 300);
        text.Move(30, 600, 2500, 600);
        text.SetPlainText("one\ntwo\nthree\nfour\nfive\nsix\nseven\neight\nnine\nten");
        text.SetAccessible(AccessibleRole::Document, "Text");  // as the reader's, before it is shown
        w.on_key = [this](Key k) {
            keys.push_back(k);
            return take;
        };
        w.Show();
    }
    QWidget* Form() { return w.impl().form.get(); }
    QTextEdit* View() { return Form()->findChild<QTextEdit*>(); }
    QLabel* LabelWidget() { return Form()->findChild<QLabel*>(); }

    Window w;
    Label label{w};
    RichTextBox text{w};
    std::vector<Key> keys;
    bool take = true;
};

TEST_F(KeysTest, TheWindowsKeysReachOnKeyFromTheWindowAndFromTheTextAndNeverMoveQtsFocus) {
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        Key expected;
    } cases[] = {
        {Qt::Key_Tab, Qt::NoModifier, Key::Tab},        {Qt::Key_Backtab, Qt::ShiftModifier, Key::BackTab},
        {Qt::Key_Return, Qt::NoModifier, Key::Enter},   {Qt::Key_Enter, Qt::KeypadModifier, Key::Enter},
        {Qt::Key_Space, Qt::NoModifier, Key::Space},    {Qt::Key_Escape, Qt::NoModifier, Key::Escape},
    };
    ASSERT_NE(View(), nullptr);
    for (QWidget* target : {Form(), static_cast<QWidget*>(View())}) {
        for (const auto& k : cases) {
            keys.clear();
            Press(target, k.key, k.mods);
            EXPECT_EQ(keys, std::vector<Key>{k.expected}) << k.key << " to " << target->metaObject()->className();
        }
    }
    // Keys of no meaning to the window stay with the toolkit.
    keys.clear();
    for (int key : {Qt::Key_A, Qt::Key_Down, Qt::Key_F1}) Press(View(), key);
    Press(Form(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(keys.empty());
    // Even a Tab the window does not use stays out of Qt's focus chain.
    take = false;
    text.SetFocus();
    QWidget* before = Form()->focusWidget();
    Press(View(), Qt::Key_Tab);
    EXPECT_EQ(keys, std::vector<Key>{Key::Tab});
    EXPECT_EQ(Form()->focusWidget(), before);
}

TEST_F(KeysTest, TheTextHasNoCaretKeysScrollIt) {
    text.SetFocus();
    View()->resize(200, 30);  // a few lines: the rest is below
    for (int key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_End}) Press(View(), key);
    // A caret would have moved with the keys; without one the cursor stays at the start.
    EXPECT_EQ(View()->textCursor().position(), 0);
    EXPECT_FALSE(View()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_FALSE(View()->textInteractionFlags() & Qt::TextEditable);
}

TEST_F(KeysTest, TheMarkIsDrawnOnlyWhileSet) {
    const QImage plain = LabelWidget()->grab().toImage();
    label.SetFocusMark(true);
    const QImage marked = LabelWidget()->grab().toImage();
    label.SetFocusMark(false);
    const QImage after = LabelWidget()->grab().toImage();
    EXPECT_NE(marked, plain);
    EXPECT_EQ(after, plain);
    // The dotted frame's top edge, above the text.
    int changed = 0;
    for (int x = 0; x < marked.width(); ++x) changed += marked.pixel(x, 0) != plain.pixel(x, 0);
    EXPECT_GT(changed, marked.width() / 4);
}

// Roles, names, presses and the reader's text as a screen reader meets them are tried
// through AT-SPI on the real program; here what it does not reach: a name that follows its
// caption, decoration without a press, and the text's bounds and selection.
TEST_F(KeysTest, NamesFollowCaptionsDecorationHasNoPressTheTextIsReadOnly) {
    label.SetAccessible(AccessibleRole::Link);
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(LabelWidget());
    ASSERT_NE(link, nullptr);
    label.SetCaption("Less");
    EXPECT_EQ(link->text(QAccessible::Name), QStringLiteral("Less"));

    Picture close(w);
    close.SetAccessible(AccessibleRole::Button);
    close.SetAccessible(AccessibleRole::None);
    QWidget* close_widget = nullptr;
    for (QWidget* c : w.impl().client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<QLabel*>(c) && !qobject_cast<QTextEdit*>(c)) close_widget = c;
    ASSERT_NE(close_widget, nullptr);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(close_widget)->actionInterface()->actionNames().isEmpty());

    text.SetPlainText("first\nsecond");
    QAccessibleInterface* doc = QAccessible::queryAccessibleInterface(View());
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(doc->state().readOnly);
    EXPECT_FALSE(doc->state().editable);
    QAccessibleTextInterface* t = doc->textInterface();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->text(6, 100), QStringLiteral("second"));  // clamped to the end
    t->setSelection(0, 0, 5);
    int start = -1, end = -1;
    t->selection(0, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
}

}  // namespace
}  // namespace tarnvel::platform
