#pragma once
// Reads rich text (RTF) into a Document, counting its plain text as the classic rich-text control
// does. The reader is a single pass over the bytes with bounded state, for any input:
//  - groups nested deeper than kMaxGroupDepth are dropped with their content;
//  - font and colour tables keep kMaxTableEntries entries, font names 256 characters;
//  - \binN skips at most what remains; numbers keep at most 10 digits and saturate to 32 bits;
//  - a truncated document gives the text read up to the cut.

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include "richtext/document.h"

namespace tarnvel::richtext {

inline constexpr int kMaxGroupDepth = 1000;
// Fonts and colours kept from the document's tables; writers use a few dozen. Runs in a font or
// colour beyond them have none (the default).
inline constexpr int kMaxTableEntries = 4096;

// True when the bytes begin with "{\rtf" (a byte-order mark in front does not count).
bool looks_like_rtf(std::string_view bytes);

// std::nullopt when the bytes are not rich text.
std::optional<Document> parse_rtf(std::string_view bytes);

// Fills the buffer with up to `size` further bytes of the document; 0 at its end.
using ByteSource = std::function<std::size_t(char* buffer, std::size_t size)>;

// The same, reading the document piece by piece, so that a large file is never held whole
// (on some machines first touching memory costs more than parsing it). `size_hint` is the
// expected length, used to size the text once.
std::optional<Document> parse_rtf(const ByteSource& source, std::size_t size_hint = 0);

}  // namespace tarnvel::richtext
