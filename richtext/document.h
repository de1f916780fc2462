#pragma once
// A rich-text document as the reader shows it: its plain text in UTF-16 code units, counted the
// way the classic rich-text control counts them (each paragraph or line break is CR LF, a picture
// is one position, the document's last paragraph mark is not counted), with character formatting
// laid over that text as runs and paragraph formatting as paragraphs.
//
// Offsets everywhere are UTF-16 code units into `text`, so a section found by searching the plain
// text can be cut out with `selection` by the same numbers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvel::richtext {

inline constexpr std::uint32_t kAutoColor = 0xFFFFFFFFu;  // "the default text colour"

struct Font {
    std::string name;  // UTF-8, as written in the font table, without the closing ';'
    int charset = 0;   // \fcharset value; 2 is a symbol font
    // Gurmukhi typed in the GurbaniLipi keyboard encoding: the text is ASCII/Windows-1252
    // letters that only that family of fonts draws as Gurmukhi.
    bool legacy_gurmukhi = false;
    friend bool operator==(const Font&, const Font&) = default;
};

struct CharFormat {
    int font = -1;         // index into Document::fonts, -1 for none
    int size = 24;         // half-points (24 = 12 pt)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;   // \v: still counted and kept, as the classic control does
    std::uint32_t color = kAutoColor;  // 0x00RRGGBB or kAutoColor
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

enum class Alignment : std::uint8_t { Left, Center, Right, Justify };

struct ParaFormat {
    Alignment alignment = Alignment::Left;
    // All in twips (1/1440 inch); first_line is relative to left and may be negative.
    int left_indent = 0;
    int right_indent = 0;
    int first_line_indent = 0;
    int space_before = 0;
    int space_after = 0;
    friend bool operator==(const ParaFormat&, const ParaFormat&) = default;
};

// [start, start + length) of Document::text in one character format. Runs are contiguous,
// cover the whole text, and neighbours differ in format.
struct Run {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    CharFormat format;
    friend bool operator==(const Run&, const Run&) = default;
};

// [start, end) of Document::text. Every paragraph but the last ends with its mark, CR LF,
// included in [start, end); the last has no mark. Paragraphs are contiguous and cover the text,
// so there is always at least one, possibly empty.
struct Paragraph {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    ParaFormat format;
    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

struct Document {
    std::u16string text;
    std::vector<Run> runs;
    std::vector<Paragraph> paragraphs{Paragraph{}};
    std::vector<Font> fonts;

    // The text as the classic control's Text property gives it.
    const std::u16string& plain_text() const noexcept { return text; }

    // The part [start, start + length) with its formatting, as a document of its own: its plain
    // text is exactly that part of this one's. Out-of-range values are clamped to the text.
    // A paragraph cut in the middle keeps its format; a cut that falls between the CR and the LF
    // of a mark leaves that CR as an ordinary character.
    Document selection(std::int64_t start, std::int64_t length) const;

    // The format at a text offset (the default format for an empty document).
    CharFormat format_at(std::uint32_t offset) const;
    const Paragraph& paragraph_at(std::uint32_t offset) const;
};

// Unformatted text (UTF-8) as the control holds it when typed in: every line break ("\r\n",
// "\n" or a lone "\r") becomes CR LF and ends a paragraph; one run in the default format.
Document plain_document(std::string_view utf8);

// True for font names of the GurbaniLipi keyboard family (GurbaniLipi, GurbaniAkhar and the other
// "Gurbani..." fonts, AnmolLipi, AnmolKalmi). Spaces and letter case are ignored. The Unicode
// fonts of the same makers (AnmolUni, Gurbani...Unicode) are not legacy.
bool is_legacy_gurmukhi_font(std::string_view name);

// The text of a legacy-font run as it was typed, one character a byte, for converting it: the
// characters a symbol font's bytes are held as (U+F020..U+F0FF) become those bytes
// (U+0020..U+00FF); everything else is left as it is.
std::u16string typed_bytes(std::u16string_view text);

}  // namespace tarnvel::richtext
