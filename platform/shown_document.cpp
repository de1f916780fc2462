#include "platform/shown_document.h"

#include <algorithm>

#include "gurmukhi/gurmukhi.h"
#include "richtext/utf.h"

namespace tarnvel::platform {

namespace {

// Appends `text` in `format`, joining it to the last run when the formats are the same.
void Append(richtext::Document& out, std::u16string_view text, const richtext::CharFormat& format) {
    if (text.empty()) return;
    const auto at = static_cast<std::uint32_t>(out.text.size());
    out.text += text;
    if (!out.runs.empty() && out.runs.back().format == format)
        out.runs.back().length += static_cast<std::uint32_t>(text.size());
    else
        out.runs.push_back(richtext::Run{at, static_cast<std::uint32_t>(text.size()), format});
}

}  // namespace

ShownDocument ShowDocument(const richtext::Document& doc, const std::function<bool(std::string_view)>& installed,
                           std::string_view unicode_face) {
    ShownDocument shown;
    richtext::Document& out = shown.document;
    out.fonts = doc.fonts;
    out.paragraphs.clear();
    // Which fonts stand for legacy text that has to be converted, asked once per font.
    std::vector<bool> convert(doc.fonts.size());
    int unicode_font = -1;
    for (std::size_t i = 0; i < doc.fonts.size(); ++i) {
        convert[i] = doc.fonts[i].legacy_gurmukhi && !installed(doc.fonts[i].name);
        if (convert[i] && unicode_font < 0) {
            unicode_font = static_cast<int>(out.fonts.size());
            out.fonts.push_back(richtext::Font{std::string(unicode_face), 0, false});
        }
    }
    const std::u16string_view text = doc.text;
    std::size_t run = 0;
    for (std::size_t pi = 0; pi < doc.paragraphs.size(); ++pi) {
        const richtext::Paragraph& p = doc.paragraphs[pi];
        const bool last = pi + 1 == doc.paragraphs.size();
        // The paragraph's mark is kept as it is, in the format of the text before it.
        const std::uint32_t content_end = last ? p.end : p.end - 2;
        const auto start = static_cast<std::uint32_t>(out.text.size());
        while (run < doc.runs.size() && doc.runs[run].start + doc.runs[run].length <= p.start) ++run;
        for (std::size_t r = run; r < doc.runs.size() && doc.runs[r].start < content_end; ++r) {
            const richtext::Run& rn = doc.runs[r];
            const std::uint32_t a = std::max(rn.start, p.start);
            const std::uint32_t b = std::min(rn.start + rn.length, content_end);
            if (a >= b || rn.format.hidden) continue;
            richtext::CharFormat format = rn.format;
            const std::u16string_view part = text.substr(a, b - a);
            if (format.font >= 0 && static_cast<std::size_t>(format.font) < convert.size() &&
                convert[static_cast<std::size_t>(format.font)]) {
                format.font = unicode_font;
                Append(out, richtext::from_utf8(gurmukhi::legacy_to_unicode(richtext::to_utf8(richtext::typed_bytes(part)))),
                       format);
                shown.converted = true;
            } else {
                Append(out, part, format);
            }
        }
        if (!last) {
            const richtext::CharFormat mark = out.runs.empty() ? doc.format_at(p.end - 2) : out.runs.back().format;
            Append(out, u"\r\n", mark);
        }
        out.paragraphs.push_back(richtext::Paragraph{start, static_cast<std::uint32_t>(out.text.size()), p.format});
    }
    return shown;
}

}  // namespace tarnvel::platform
