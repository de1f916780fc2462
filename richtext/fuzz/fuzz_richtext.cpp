// libFuzzer entry for the rich-text reader. Besides crashes, hangs and sanitizer findings, it
// aborts when one of the reader's promises breaks:
//  - reading in pieces gives the same document as reading whole;
//  - a selection's plain text is exactly that slice of the document's plain text;
//  - runs and paragraphs stay contiguous and cover the text;
//  - writing a document and reading it back gives the same plain text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace {

using tarnvel::richtext::Document;

void require(bool ok) {
    if (!ok) std::abort();
}

void check_layout(const Document& d) {
    std::uint32_t at = 0;
    for (const auto& r : d.runs) {
        require(r.start == at && r.length > 0);
        at += r.length;
    }
    require(d.runs.empty() ? d.text.empty() : at == d.text.size());
    require(!d.paragraphs.empty());
    at = 0;
    for (std::size_t i = 0; i < d.paragraphs.size(); ++i) {
        const auto& p = d.paragraphs[i];
        require(p.start == at && p.end >= p.start);
        if (i + 1 < d.paragraphs.size())
            require(p.end - p.start >= 2 && d.text[p.end - 2] == u'\r' && d.text[p.end - 1] == u'\n');
        at = p.end;
    }
    require(at == d.text.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto doc = tarnvel::richtext::parse_rtf(bytes);

    // Read in pieces of a size taken from the input, as files are read.
    std::string_view rest = bytes;
    const std::size_t piece = 1 + (size % 13);
    const tarnvel::richtext::ByteSource source = [&](char* buffer, std::size_t want) {
        const std::size_t n = std::min({want, piece, rest.size()});
        rest.copy(buffer, n);
        rest.remove_prefix(n);
        return n;
    };
    const auto piecewise = tarnvel::richtext::parse_rtf(source);
    require(doc.has_value() == piecewise.has_value());
    if (!doc) return 0;
    require(piecewise->text == doc->text && piecewise->runs == doc->runs &&
            piecewise->paragraphs == doc->paragraphs && piecewise->fonts == doc->fonts);
    check_layout(*doc);

    const std::size_t n = doc->text.size();
    const std::size_t start = n ? (size * 7919u) % (n + 1) : 0;
    const std::size_t length = n ? (size * 104729u) % (n - start + 2) : 1;
    const Document part = doc->selection(static_cast<std::int64_t>(start), static_cast<std::int64_t>(length));
    check_layout(part);
    require(part.text == doc->text.substr(start, length));

    auto again = tarnvel::richtext::parse_rtf(tarnvel::richtext::write_rtf(part));
    require(again && again->text == part.text);
    check_layout(*again);
    return 0;
}
