#pragma once
// Conversions between the UTF-16 the documents are counted in and the UTF-8 used at the edges.

#include <string>
#include <string_view>

namespace tarnvel::richtext {

// Unpaired surrogates become U+FFFD.
std::string to_utf8(std::u16string_view text);
// Writes at most 3 bytes per unit (a surrogate pair takes 4 for 2) to `out`; returns the count.
std::size_t encode_utf8(std::u16string_view text, char* out);
void append_utf8(std::string& out, std::u16string_view text);

// Malformed sequences become U+FFFD, one per bad byte.
std::u16string from_utf8(std::string_view text);

}  // namespace tarnvel::richtext
