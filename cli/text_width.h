#pragma once
// How many terminal columns a line of UTF-8 takes, for centring headings that mix
// Latin and Gurmukhi. Gurmukhi vowel signs, nasal signs, the adhak, nukta and virama
// that attach to a letter take no column of their own; every other code point takes one.
// (The text here is Latin, Gurmukhi and punctuation: no wide East Asian characters.)

#include <cstddef>
#include <string_view>

namespace tarnvel::cli {

std::size_t display_width(std::string_view utf8) noexcept;

}  // namespace tarnvel::cli
