#pragma once
// Conversion of Gurmukhi typed in the GurbaniLipi / GurbaniAkhar keyboard encoding (the legacy
// ASCII font encoding, where "cyq" shows as ਚੇਤ in the font) into Unicode Gurmukhi.
//
// The conversion is letter by letter over the layout, plus the reordering that the font hides:
// the sihari `i` is typed before its consonant but follows the consonant (and its subjoined
// letters) in Unicode, and signs typed in any order on one consonant come out in the
// conventional Unicode order (nukta, subjoined letters, vowel signs, then tippi/bindi/adhak).
// Vowel carriers combine with their vowel sign into the independent vowel (ੲ + ਿ → ਇ, ਅ + ਾ → ਆ,
// ੳ + ੁ → ਉ, ...).
//
// Output is UTF-8 in NFC: the nukta letters that Unicode excludes from composition (ਸ਼ ਖ਼ ਗ਼ ਜ਼ ਫ਼
// ਲ਼) are written as base + nukta, and nukta precedes virama. Characters outside the layout pass
// through unchanged, so the output is NFC as long as such pass-through text already was.
// Nothing is ever dropped.

#include <string>
#include <string_view>

namespace tarnvel::gurmukhi {

// Input: UTF-8. The layout's letters are ASCII; its extra signs are the Latin-1 / Windows-1252
// characters the font puts glyphs on (µ tippi, † subjoined ṭa, ...), given as their UTF-8
// encoding. C1 control code points (U+0080..U+009F) standing for a Windows-1252 byte of the
// layout are accepted too. Malformed UTF-8 becomes U+FFFD, one per maximal ill-formed subpart.
std::string legacy_to_unicode(std::string_view utf8_legacy);

// Same conversion for 8-bit text as stored by the font's users: each byte is one character,
// decoded as Windows-1252 (a superset of Latin-1's printable range; the five bytes 1252 leaves
// undefined are taken as the Latin-1 control characters of the same value).
std::string legacy_latin1_to_unicode(std::string_view latin1_bytes);

}  // namespace tarnvel::gurmukhi
