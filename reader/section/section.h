#pragma once
// Cutting one section out of a document's plain text by its marker, and the markers the reader
// can ask for. Plain C++: the reader window and tarnvel-doc both use it.
//
// A section starts after the first occurrence of its marker and runs to the next occurrence of the
// same marker, or to the end of the text. The two characters right after the opening marker (the
// line break that ends its line) are not part of it, and neither is the text's last character when
// the section is not closed. Offsets are UTF-16 code units of the rich-text control's plain text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvel::section {

struct Cut {
    bool found = false;   // the marker occurs in the text
    bool closed = false;  // and occurs again after that
    // The positions as LoadFile computes them: c and e are 1-based, c is 0 when the marker is
    // missing, f = c + length of the marker. Kept 64-bit, so no text length can overflow them.
    std::int64_t c = 0;
    std::int64_t f = 0;
    std::int64_t e = 0;
    // The selection: start = f + 1, length = e - f - 2, clamped into the text (a marker at the
    // very end of the text gives an empty section rather than a negative length). Zero when
    // the marker is missing: the caller shows a notice instead of a slice.
    std::int64_t start = 0;
    std::int64_t length = 0;
};

// Case-sensitive, plain substring match.
Cut cut_section(std::u16string_view text, std::u16string_view marker);

enum class DocumentFile { One, Two };

// "One.rtf" or "Two.rtf".
std::string_view file_name(DocumentFile file);

struct Marker {
    std::string break_name;   // "Month", "Month_Akhaan", "Help", ..., "JANUARY" ... "DECEMBER"
    std::string break_point;  // "1".."12", "0", or the day of the month as two digits
    DocumentFile file = DocumentFile::One;
    std::string text() const { return break_name + break_point; }
};

// Every marker the reader can ask for, in the order of the menus and the calendar: Month1..12,
// Month_Akhaan1..12, Help0, Nanakshahi_Calendar0, Orvanta0, Tarnvel0, then JANUARY01 ..
// DECEMBER31 (366 days, FEBRUARY29 included).
const std::vector<Marker>& all_markers();

// The marker of that text, or nullptr when the reader never asks for it.
const Marker* find_marker(std::string_view text);

// What the marker's section is, for people: "the Baramah of Chet", "the history entry for
// 5 May", "the help page".
std::string describe(const Marker& marker);

// The notice the reader shows in place of a section its document does not hold.
std::string missing_notice(const Marker& marker);

struct MarkerCheck {
    bool present = false;
    bool closed = false;
    // A longer marker from the table found where this one was looked for ("Month10" where
    // "Month1" was), at the opening or the closing occurrence; empty when there is none.
    std::string opening_taken_by;
    std::string closing_taken_by;
    bool sound() const { return present && closed && opening_taken_by.empty() && closing_taken_by.empty(); }
};

// The checks an author needs: the section can be found, is closed by its own marker, and neither
// occurrence is really the start of a longer marker (the Month1 / Month10 trap).
MarkerCheck check_marker(std::u16string_view text, const Marker& marker);

}  // namespace tarnvel::section
