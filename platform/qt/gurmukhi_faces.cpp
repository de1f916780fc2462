#include "platform/qt/gurmukhi_faces.h"

#include <QFontDatabase>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>
#include <algorithm>
#include <vector>

namespace tarnvel::platform::qt {

namespace {

// Which characters of `text` Qt shapes as Gurmukhi: each run of one script takes the
// script-less characters after it, and the first run also those before it.
std::vector<bool> ShapedAsGurmukhi(const QString& text, bool& any) {
    std::vector<bool> out(static_cast<std::size_t>(text.size()), false);
    any = false;
    const auto fill = [&](qsizetype from, qsizetype to, QChar::Script s) {
        if (s != QChar::Script_Gurmukhi) return;
        any = any || from < to;
        for (qsizetype k = from; k < to; ++k) out[static_cast<std::size_t>(k)] = true;
    };
    QChar::Script script = QChar::Script_Common;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size();) {
        char32_t c = text.at(i).unicode();
        qsizetype n = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            n = 2;
        }
        const QChar::Script s = QChar::script(c);
        if (s > QChar::Script_Common && s != script) {
            if (script > QChar::Script_Common) {
                fill(start, i, script);
                start = i;
            }
            script = s;
        }
        i += n;
    }
    fill(start, text.size(), script);
    return out;
}

}  // namespace

void LendGurmukhiFace(QTextDocument& doc, const QString& family) {
    QHash<QString, bool> has_gurmukhi;
    const auto covers = [&](const QString& face) {
        const auto it = has_gurmukhi.constFind(face);
        if (it != has_gurmukhi.constEnd()) return *it;
        const bool yes = QFontDatabase::writingSystems(face).contains(QFontDatabase::Gurmukhi);
        has_gurmukhi.insert(face, yes);
        return yes;
    };
    struct Lend {
        int from, to;
        QStringList faces;
    };
    std::vector<Lend> lends;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        bool any = false;
        const std::vector<bool> gurmukhi = ShapedAsGurmukhi(block.text(), any);
        if (!any) continue;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QStringList faces = f.charFormat().fontFamilies().toStringList();
            if (!faces.isEmpty() && covers(faces.front())) continue;
            // Fragment positions are the document's; the flags count from the block's start.
            const int base = block.position();
            const int end = std::min(f.position() + f.length(), base + static_cast<int>(gurmukhi.size()));
            const auto shaped = [&](int p) { return gurmukhi[static_cast<std::size_t>(p - base)]; };
            for (int p = f.position(); p < end;) {
                if (!shaped(p)) {
                    ++p;
                    continue;
                }
                int q = p;
                while (q < end && shaped(q)) ++q;
                lends.push_back({p, q, QStringList{family} + faces});
                p = q;
            }
        }
    }
    // Changed only now: a change of format splits the fragments walked above.
    for (const Lend& l : lends) {
        QTextCursor c(&doc);
        c.setPosition(l.from);
        c.setPosition(l.to, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setFontFamilies(l.faces);
        c.mergeCharFormat(f);
    }
}

void FillLendingGurmukhiFace(QTextDocument& doc, const QString& family, const std::function<void()>& fill) {
    // One edit of the whole document: it is laid out once, when the edit ends.
    QTextCursor edit(&doc);
    edit.beginEditBlock();
    fill();
    LendGurmukhiFace(doc, family);
    edit.endEditBlock();
}

}  // namespace tarnvel::platform::qt
