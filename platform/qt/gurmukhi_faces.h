#pragma once
// Gurmukhi as Qt shapes it. Qt gives each character of a paragraph a script; spaces, digits
// and punctuation take the script of the text before them (at a paragraph's start, of the
// text after them). A run in a Latin face right after Gurmukhi text thus begins with
// "Gurmukhi" characters, and Qt asks the Latin face to shape them, finds no Gurmukhi in it,
// says so on standard error ("OpenType support missing ..., script 13") and falls back to a
// face of the system's choosing.

#include <QString>
#include <QTextDocument>
#include <functional>

namespace tarnvel::platform::qt {

// Puts `family` (a Unicode Gurmukhi face) before the faces of every character that Qt shapes
// as Gurmukhi where its own first face has no Gurmukhi; everything else keeps its format.
void LendGurmukhiFace(QTextDocument& doc, const QString& family);
// Runs `fill`, which writes `doc`, and lends the face as above before the document is laid out:
// a shown document would otherwise be laid out, and shaped, at each insertion of the fill.
void FillLendingGurmukhiFace(QTextDocument& doc, const QString& family, const std::function<void()>& fill);

}  // namespace tarnvel::platform::qt
