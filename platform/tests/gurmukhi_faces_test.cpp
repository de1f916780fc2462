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

// What Qt says on standard error while this lives.
struct QtMessages {
    QtMessages() : previous(qInstallMessageHandler(Record)) { g_messages = &said; }
    ~QtMessages() {
        qInstallMessageHandler(previous);
        g_messages = nullptr;
    }
    std::vector<std::string> said;
    QtMessageHandler previous;
};

QTextCharFormat Face(const char* family, double points) {
    QTextCharFormat f;
    f.setFontFamilies({QString::fromUtf8(family)});
    f.setFontPointSize(points);
    return f;
}

struct Part {
    const char* text;
    const char* face;
};

// One paragraph of the parts; then the first face of each character, as "face:text" pieces.
std::vector<std::string> Lent(std::initializer_list<Part> parts, std::vector<std::string>& messages) {
    QTextDocument doc;
    QTextCursor cur(&doc);
    for (const Part& p : parts) cur.insertText(QString::fromUtf8(p.text), Face(p.face, 11));
    LendGurmukhiFace(doc, "Noto Sans Gurmukhi");
    {
        QtMessages m;
        doc.documentLayout()->documentSize();
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) b.layout()->lineCount();
        messages = m.said;
    }
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
        EXPECT_EQ(Lent(c.parts, messages), c.pieces) << c.what;
        EXPECT_TRUE(messages.empty()) << c.what << ": " << (messages.empty() ? "" : messages.front());
    }
}

TEST(LendGurmukhiFace, AShownDocumentIsLaidOutOnlyOnceTheFaceIsLent) {
    // A view on screen lays its document out at every insertion; the fill must not be shaped
    // before the face is lent. Sizes of their own, which no other test laid out.
    QTextEdit view;
    view.resize(400, 200);
    view.show();
    QApplication::processEvents();
    QtMessages m;
    FillLendingGurmukhiFace(*view.document(), "Noto Sans Gurmukhi", [&view] {
        view.document()->clear();
        QTextCursor cur(view.document());
        cur.insertText("1 Chet \u00b7 ", Face("Arial", 12.3));
        cur.insertText(QString::fromUtf8("ਸਿੰਘ"), Face("Noto Sans Gurmukhi", 12.3));
        cur.insertText(": Singh", Face("Arial", 12.3));
    });
    QApplication::processEvents();
    EXPECT_TRUE(m.said.empty()) << m.said.front();
    EXPECT_EQ(view.toPlainText().toStdString(), "1 Chet \u00b7 ਸਿੰਘ: Singh");
}

}  // namespace
}  // namespace tarnvel::platform::qt
