// Gurmukhi next to Latin text in one paragraph: the characters Qt shapes as Gurmukhi get a
// Gurmukhi face lent to them, the rest keeps its own, and laying the text out leaves
// standard error quiet.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <string>
#include <vector>

#include "platform/qt/gurmukhi_faces.h"

namespace tarnvel::platform::qt {
namespace {

std::vector<std::string>* g_messages = nullptr;
void Record(QtMsgType, const QMessageLogContext&, const QString& m) {
    if (g_messages) g_messages->push_back(m.toStdString());
}

struct Part {
    const char* text;
    const char* face;
};

// One paragraph of the parts; then the first face of each character, as "face:text" pieces.
std::vector<std::string> Lent(std::initializer_list<Part> parts, std::vector<std::string>* messages) {
    QTextDocument doc;
    QTextCursor cur(&doc);
    for (const Part& p : parts) {
        QTextCharFormat f;
        f.setFontFamilies({QString::fromUtf8(p.face)});
        f.setFontPointSize(11);
        cur.insertText(QString::fromUtf8(p.text), f);
    }
    LendGurmukhiFace(doc, "Noto Sans Gurmukhi");
    g_messages = messages;
    const QtMessageHandler previous = qInstallMessageHandler(Record);
    doc.documentLayout()->documentSize();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) b.layout()->lineCount();
    qInstallMessageHandler(previous);
    g_messages = nullptr;
    std::vector<std::string> pieces;
    for (auto it = doc.begin().begin(); !it.atEnd(); ++it) {
        const QStringList faces = it.fragment().charFormat().fontFamilies().toStringList();
        pieces.push_back(faces.join("+").toStdString() + ":" + it.fragment().text().toStdString());
    }
    return pieces;
}

TEST(LendGurmukhiFace, OnlyWhatQtShapesAsGurmukhiInALatinFaceGetsTheGurmukhiFace) {
    const struct {
        const char* what;
        std::initializer_list<Part> parts;
        std::vector<std::string> pieces;
    } cases[] = {
        {"punctuation after Gurmukhi",
         {{"1 Chet · ", "Arial"}, {"ਗੁਰੂ ਨਾਨਕ", "Noto Sans Gurmukhi"}, {": Born 1469", "Arial"}},
         {"Arial:1 Chet · ", "Noto Sans Gurmukhi:ਗੁਰੂ ਨਾਨਕ", "Noto Sans Gurmukhi+Arial:: ", "Arial:Born 1469"}},
        {"digits at the paragraph's start before Gurmukhi",
         {{"12 ", "Arial"}, {"ਪੋਹ", "Noto Sans Gurmukhi"}},
         {"Noto Sans Gurmukhi+Arial:12 ", "Noto Sans Gurmukhi:ਪੋਹ"}},
        {"Gurmukhi letters in a Latin face",
         {{"x ਕ, y", "Arial"}},
         {"Arial:x ", "Noto Sans Gurmukhi+Arial:ਕ, ", "Arial:y"}},
        {"Latin text alone", {{"14 March, 1 Chet", "Arial"}}, {"Arial:14 March, 1 Chet"}},
        {"Gurmukhi in its own face", {{"ਚੇਤ ੧", "Noto Sans Gurmukhi"}}, {"Noto Sans Gurmukhi:ਚੇਤ ੧"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> messages;
        EXPECT_EQ(Lent(c.parts, &messages), c.pieces) << c.what;
        EXPECT_TRUE(messages.empty()) << c.what << ": " << (messages.empty() ? "" : messages.front());
    }
}

TEST(LendGurmukhiFace, WithoutItQtComplainsOnStandardError) {
    // What the lent face saves: the same paragraph laid out as it was given.
    QTextDocument doc;
    QTextCursor cur(&doc);
    QTextCharFormat latin, gurmukhi;
    latin.setFontFamilies({"Arial"});
    gurmukhi.setFontFamilies({"Noto Sans Gurmukhi"});
    // A size of its own: Qt keeps the faces it found for a size, and would not ask again.
    latin.setFontPointSize(13.7);
    gurmukhi.setFontPointSize(13.7);
    cur.insertText(QString::fromUtf8("ਸਿੰਘ"), gurmukhi);
    cur.insertText(": Singh", latin);
    std::vector<std::string> messages;
    g_messages = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(Record);
    doc.documentLayout()->documentSize();
    qInstallMessageHandler(previous);
    g_messages = nullptr;
    ASSERT_FALSE(messages.empty()) << "Qt no longer asks a Latin face for Gurmukhi: the lending may go";
    EXPECT_NE(messages.front().find("OpenType support missing"), std::string::npos) << messages.front();
}

TEST(LendGurmukhiFace, AShownDocumentIsLaidOutOnlyOnceTheFaceIsLent) {
    // A view on screen lays its document out at every insertion; the fill must not be shaped
    // before the face is lent.
    QTextEdit view;
    view.resize(400, 200);
    view.show();
    QApplication::processEvents();
    const auto fill = [&view] {
        view.document()->clear();
        QTextCursor cur(view.document());
        QTextCharFormat latin, gurmukhi;
        latin.setFontFamilies({"Arial"});
        gurmukhi.setFontFamilies({"Noto Sans Gurmukhi"});
        latin.setFontPointSize(12.3);  // sizes of their own, which no other test laid out
        gurmukhi.setFontPointSize(12.3);
        cur.insertText("1 Chet \u00b7 ", latin);
        cur.insertText(QString::fromUtf8("ਸਿੰਘ"), gurmukhi);
        cur.insertText(": Singh", latin);
    };
    std::vector<std::string> messages;
    g_messages = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(Record);
    FillLendingGurmukhiFace(*view.document(), "Noto Sans Gurmukhi", fill);
    QApplication::processEvents();
    qInstallMessageHandler(previous);
    g_messages = nullptr;
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(view.toPlainText().toStdString(), "1 Chet \u00b7 ਸਿੰਘ: Singh");
}

}  // namespace
}  // namespace tarnvel::platform::qt
