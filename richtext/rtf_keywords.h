#pragma once
// The control words the reader acts on. Everything else is ignored, except that an unknown word
// right after \* makes its whole group an ignorable destination.

#include <cstdint>
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

// The hash the keywords are found by, taken one letter at a time, so that the reader can take it
// while it scans a word.
inline constexpr std::uint32_t kKeywordHashSeed = 2166136261u;
constexpr std::uint32_t keyword_hash(std::uint32_t h, char c) {
    return (h ^ static_cast<unsigned char>(c)) * 16777619u;
}
constexpr std::uint32_t keyword_hash(std::string_view word) {
    std::uint32_t h = kKeywordHashSeed;
    for (char c : word) h = keyword_hash(h, c);
    return h;
}

// `hash` is keyword_hash(word).
Kw lookup_keyword(std::string_view word, std::uint32_t hash);
inline Kw lookup_keyword(std::string_view word) { return lookup_keyword(word, keyword_hash(word)); }

}  // namespace tarnvel::richtext::detail
