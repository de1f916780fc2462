#pragma once
// Single-byte Windows code pages for \'hh and raw 8-bit text in rich text, and the mapping from a
// font's \fcharset to its code page.
//
// Decoded: 874 and 1250-1258, symbol fonts (U+F000 + byte, as the classic control keeps them).
// Not decoded: the double-byte code pages 932, 936, 949 and 950; a lead byte and its trail byte
// count as one character there, given as U+FFFD, so offsets still match the control. Any other
// code page is read as 1252.

#include <cstdint>

namespace tarnvel::richtext {

inline constexpr int kSymbolCodePage = 2;  // not a Windows code page number; charset 2 fonts

// \fcharset value to code page; 0 when the charset says nothing (1 = "default", unknown values),
// so the document's \ansicpg applies.
int charset_code_page(int charset);

// One byte in a single-byte code page. Bytes below 0x80 are ASCII except in symbol fonts, where
// every byte from 0x20 up becomes U+F000 + byte (control bytes stay as they are).
// Bytes a code page leaves undefined give U+FFFD, except in 1252, where they are the C1
// control characters of the same value as Windows gives them (legacy Gurmukhi fonts use them).
char16_t decode_byte(int code_page, std::uint8_t byte);

// For the double-byte code pages: does this byte start a two-byte character?
bool is_lead_byte(int code_page, std::uint8_t byte);

}  // namespace tarnvel::richtext
