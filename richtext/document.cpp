#include "richtext/document.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "richtext/utf.h"

namespace tarnvel::richtext {

namespace {

std::uint32_t clamp_offset(std::int64_t v, std::uint32_t size) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(v, 0, size));
}

}  // namespace

Document Document::selection(std::int64_t start, std::int64_t length) const {
    const auto size = static_cast<std::uint32_t>(text.size());
    // [start, start + length) intersected with the text, without overflowing on any input.
    const std::int64_t len = std::max<std::int64_t>(length, 0);
    const std::int64_t end = start < 0 || len <= INT64_MAX - start ? start + len : INT64_MAX;
    const std::uint32_t s = clamp_offset(start, size);
    const std::uint32_t e = std::max(s, clamp_offset(end, size));

    Document out;
    out.fonts = fonts;
    out.text.assign(text, s, e - s);

    auto run = std::upper_bound(runs.begin(), runs.end(), s,
                                [](std::uint32_t off, const Run& r) { return off < r.start; });
    if (run != runs.begin()) --run;
    for (; run != runs.end() && run->start < e; ++run) {
        const std::uint32_t cs = std::max(run->start, s);
        const std::uint32_t ce = std::min(run->start + run->length, e);
        if (ce > cs) out.runs.push_back(Run{cs - s, ce - cs, run->format});
    }

    // A boundary survives only where the slice holds the paragraph's whole mark; a piece of a
    // mark at either end of the slice is plain text of the neighbouring paragraph.
    out.paragraphs.clear();
    std::uint32_t para_start = 0;
    const Paragraph* last_full = nullptr;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        const Paragraph& p = paragraphs[i];
        if (p.end < s || (p.end == s && i + 1 < paragraphs.size())) continue;
        const bool has_mark = i + 1 < paragraphs.size();
        const std::uint32_t ce = std::min(p.end, e);
        const std::uint32_t cs = std::max(p.start, s);
        if (has_mark && ce == p.end && cs + 2 <= p.end) {
            out.paragraphs.push_back(Paragraph{para_start, ce - s, p.format});
            para_start = ce - s;
            last_full = &p;
            if (ce == e) break;
            continue;
        }
        if (ce == e) {
            out.paragraphs.push_back(Paragraph{para_start, e - s, p.format});
            last_full = nullptr;
            break;
        }
    }
    if (out.paragraphs.empty() || out.paragraphs.back().end != e - s || last_full) {
        // The slice ends right after a mark: the control still has its final, empty paragraph.
        ParaFormat f = last_full ? last_full->format : paragraph_at(s).format;
        out.paragraphs.push_back(Paragraph{para_start, e - s, f});
    }
    return out;
}

CharFormat Document::format_at(std::uint32_t offset) const {
    if (runs.empty()) return CharFormat{};
    auto it = std::upper_bound(runs.begin(), runs.end(), offset,
                               [](std::uint32_t off, const Run& r) { return off < r.start; });
    if (it != runs.begin()) --it;
    return it->format;
}

const Paragraph& Document::paragraph_at(std::uint32_t offset) const {
    auto it = std::upper_bound(paragraphs.begin(), paragraphs.end(), offset,
                               [](std::uint32_t off, const Paragraph& p) { return off < p.end; });
    if (it == paragraphs.end()) --it;
    return *it;
}

bool is_legacy_gurmukhi_font(std::string_view name) {
    // Compared letter by letter, spaces skipped and case ignored, without building a copy: every
    // font of a document's table is asked once.
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    const auto matches_at = [&](std::size_t at, std::string_view word) {
        for (char w : word) {
            while (at < name.size() && name[at] == ' ') ++at;
            if (at == name.size() || lower(name[at]) != w) return false;
            ++at;
        }
        return true;
    };
    for (std::size_t at = 0; at < name.size(); ++at)
        if (name[at] != ' ' && matches_at(at, "unicode")) return false;
    const auto starts = [&](std::string_view word) { return matches_at(0, word); };
    if (starts("anmoluni")) return false;
    return starts("gurbani") || starts("anmollipi") || starts("anmolkalmi");
}

std::u16string typed_bytes(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        if (c >= 0xF020 && c <= 0xF0FF) c = static_cast<char16_t>(c - 0xF000);
    return out;
}

Document plain_document(std::string_view utf8) {
    Document d;
    const std::u16string text = from_utf8(utf8);
    std::u16string norm;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        if (text[i] == u'\n' || text[i] == u'\r') {
            norm += u"\r\n";
            Paragraph& last = d.paragraphs.back();
            last.end = static_cast<std::uint32_t>(norm.size());
            d.paragraphs.push_back(Paragraph{last.end, last.end, {}});
        } else {
            norm += text[i];
        }
    }
    d.paragraphs.back().end = static_cast<std::uint32_t>(norm.size());
    d.text = std::move(norm);
    if (!d.text.empty()) d.runs.push_back(Run{0, static_cast<std::uint32_t>(d.text.size()), {}});
    return d;
}

}  // namespace tarnvel::richtext
