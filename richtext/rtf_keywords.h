#pragma once
// The control words the reader acts on. Everything else is ignored, except that an unknown word
// right after \* makes its whole group an ignorable destination.

#include <string_view>

namespace tarnvel::richtext::detail {

enum class Kw : unsigned char {
    Unknown,
    SkipDest,  // a destination whose text is never shown
    ShpPict,     // a picture for readers that know shapes: read, with or without \*
    NonShpPict,  // the same picture for readers that do not: read only when the other gave none
    FontTbl, ColorTbl, Pict, Bin,
    Rtf, Ansi, AnsiCpg, Deff, Uc, U, F, FCharset, Red, Green, Blue,
    Plain, Fs, B, I, Ul, UlNone, V, Cf,
    Pard, Ql, Qc, Qr, Qj, Li, Ri, Fi, Sb, Sa, InTbl,
    Par, Line, Tab, Page, Sect, Cell, Row,
    Bullet, Emdash, Endash, Lquote, Rquote, Ldblquote, Rdblquote,
    Emspace, Enspace, Qmspace, Zwj, Zwnj, Ltrmark, Rtlmark,
};

Kw lookup_keyword(std::string_view word);

}  // namespace tarnvel::richtext::detail
