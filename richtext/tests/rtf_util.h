#pragma once
// Shorthands for the rich-text tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "richtext/rtf_reader.h"
#include "richtext/utf.h"

namespace tarnvel::richtext::test {

// Reads the bytes through a ByteSource, as a file is read, in pieces of 1 to 7 bytes in turn:
// tokens are cut at every place, and a refill finds unread bytes to keep.
inline std::optional<Document> parse_piecewise(std::string_view rtf) {
    std::size_t pieces = 0;
    const ByteSource source = [&](char* buffer, std::size_t size) {
        const std::size_t n = std::min({size, pieces++ % 7 + 1, rtf.size()});
        rtf.copy(buffer, n);
        rtf.remove_prefix(n);
        return n;
    };
    return parse_rtf(source);
}

// Text, runs, paragraphs and fonts: all a Document holds.
inline void expect_same(const Document& a, const Document& b) {
    EXPECT_EQ(a.text, b.text);
    EXPECT_EQ(a.runs, b.runs);
    EXPECT_EQ(a.paragraphs, b.paragraphs);
    EXPECT_EQ(a.fonts, b.fonts);
}

// Reads the document both whole and piece by piece, which must agree.
inline Document read(std::string_view rtf) {
    auto doc = parse_rtf(rtf);
    auto piecewise = parse_piecewise(rtf);
    EXPECT_EQ(doc.has_value(), piecewise.has_value());
    if (!doc) {
        ADD_FAILURE() << "not read as rich text: " << rtf.substr(0, 40);
        return {};
    }
    if (piecewise) expect_same(*piecewise, *doc);
    return std::move(*doc);
}

// Plain text as UTF-8, CR LF kept.
inline std::string plain(std::string_view rtf) { return to_utf8(read(rtf).plain_text()); }

// The format of the first character of `needle` in the document.
inline CharFormat format_of(const Document& d, std::u16string_view needle) {
    const auto at = d.text.find(needle);
    EXPECT_NE(at, std::u16string::npos) << to_utf8(needle);
    return d.format_at(static_cast<std::uint32_t>(at == std::u16string::npos ? 0 : at));
}

}  // namespace tarnvel::richtext::test
