// libFuzzer entry for the rich-text reader. Besides crashes, hangs and sanitizer findings, it
// aborts when one of the reader's promises breaks:
//  - reading in pieces gives the same document as reading whole;
//  - a selection's plain text is exactly that slice of the document's plain text;
//  - runs and paragraphs stay contiguous and cover the text;
//  - writing a document and reading it back gives the same plain text, runs and paragraphs
//    (but for the format of an empty last paragraph, which a written document cannot carry).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

// Freed memory is held back from reuse for 16 MB, far more than one input allocates, so a use
// after free within an input is still caught; the default 256 MB made every input's buffers
// fresh pages, and faulting them in cost more than all the reading.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=16"; }

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

// The same paragraphs, formats included, except that of an empty last paragraph: a written
// document gives it no text to carry a format.
bool same_paragraphs(const Document& a, const Document& b) {
    if (a.paragraphs.size() != b.paragraphs.size()) return false;
    for (std::size_t i = 0; i < a.paragraphs.size(); ++i) {
        const auto &p = a.paragraphs[i], &q = b.paragraphs[i];
        const bool empty_last = i + 1 == a.paragraphs.size() && p.start == p.end;
        if (p.start != q.start || p.end != q.end || (!empty_last && p.format != q.format)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto doc = tarnvel::richtext::parse_rtf(bytes);

    // Read in pieces as files are read, but of changing sizes (1 to 32 bytes, drawn from the
    // input), so that over the inputs every token is cut at every place, and a cut falls every
    // 16 bytes on average rather than at every byte.
    std::string_view rest = bytes;
    std::uint32_t draw = static_cast<std::uint32_t>(size) * 2654435761u + 1;
    const tarnvel::richtext::ByteSource source = [&](char* buffer, std::size_t want) {
        draw ^= draw << 13;
        draw ^= draw >> 17;
        draw ^= draw << 5;
        const std::size_t n = std::min({want, std::size_t{1} + draw % 32, rest.size()});
        rest.copy(buffer, n);
        rest.remove_prefix(n);
        return n;
    };
    const auto piecewise = tarnvel::richtext::parse_rtf(source, size);
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
    require(again && again->text == part.text && again->runs == part.runs && same_paragraphs(*again, part));
    check_layout(*again);
    return 0;
}
