#include "richtext/rtf_writer.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "richtext/codepage.h"
#include "richtext/utf.h"

namespace tarnvel::richtext {

namespace {

void put_number(std::string& out, std::string_view word, long long n) {
    out += '\\';
    out += word;
    out += std::to_string(n);
}

void put_unit(std::string& out, char16_t c) {
    put_number(out, "u", static_cast<std::int16_t>(c));
    out += '?';
}

// Text without breaks of its own: CR LF pairs inside a paragraph are line breaks. In a symbol
// font a reader takes every byte as U+F000 + byte, so there even ASCII is written as \uN.
void put_text(std::string& out, std::u16string_view text, bool symbol) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (symbol && c >= 0x20 && c < 0x7F) {
            put_unit(out, c);
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            out += "\\line ";
            ++i;
        } else {
            put_unit(out, c);
        }
    }
}

void put_format(std::string& out, const CharFormat& f, const std::vector<std::uint32_t>& colors) {
    if (f.font >= 0) put_number(out, "f", f.font);
    put_number(out, "fs", f.size);
    if (f.bold) out += "\\b";
    if (f.italic) out += "\\i";
    if (f.underline) out += "\\ul";
    if (f.hidden) out += "\\v";
    if (f.color != kAutoColor) {
        const auto it = std::find(colors.begin(), colors.end(), f.color);
        put_number(out, "cf", it - colors.begin() + 1);
    }
    out += ' ';
}

void put_paragraph_format(std::string& out, const ParaFormat& p) {
    out += "\\pard";
    switch (p.alignment) {
        case Alignment::Left: break;
        case Alignment::Center: out += "\\qc"; break;
        case Alignment::Right: out += "\\qr"; break;
        case Alignment::Justify: out += "\\qj"; break;
    }
    if (p.left_indent) put_number(out, "li", p.left_indent);
    if (p.right_indent) put_number(out, "ri", p.right_indent);
    if (p.first_line_indent) put_number(out, "fi", p.first_line_indent);
    if (p.space_before) put_number(out, "sb", p.space_before);
    if (p.space_after) put_number(out, "sa", p.space_after);
    out += ' ';
}

}  // namespace

std::string write_rtf(const Document& doc) {
    std::string out;
    out.reserve(doc.text.size() * 2 + 256);
    // \deff names a font that is not in the table, so runs without a font stay without one.
    out += "{\\rtf1\\ansi\\ansicpg1252";
    put_number(out, "deff", static_cast<long long>(doc.fonts.size()));
    out += "\\uc1\n{\\fonttbl";
    for (std::size_t i = 0; i < doc.fonts.size(); ++i) {
        out += '{';
        put_number(out, "f", static_cast<long long>(i));
        put_number(out, "fcharset", doc.fonts[i].charset);
        out += ' ';
        for (char16_t c : from_utf8(doc.fonts[i].name)) {
            if (c >= 0x20 && c < 0x7F && c != u'\\' && c != u'{' && c != u'}' && c != u';')
                out += static_cast<char>(c);
            else
                put_unit(out, c);
        }
        out += ";}";
    }
    out += "}\n";

    std::vector<std::uint32_t> colors;
    for (const Run& r : doc.runs)
        if (r.format.color != kAutoColor &&
            std::find(colors.begin(), colors.end(), r.format.color) == colors.end())
            colors.push_back(r.format.color);
    out += "{\\colortbl;";
    for (std::uint32_t c : colors) {
        put_number(out, "red", (c >> 16) & 0xFF);
        put_number(out, "green", (c >> 8) & 0xFF);
        put_number(out, "blue", c & 0xFF);
        out += ';';
    }
    out += "}\n";

    const std::u16string_view text = doc.text;
    auto run = doc.runs.begin();
    for (std::size_t pi = 0; pi < doc.paragraphs.size(); ++pi) {
        const Paragraph& p = doc.paragraphs[pi];
        const bool last = pi + 1 == doc.paragraphs.size();
        const std::uint32_t content_end = last ? p.end : p.end - 2;
        put_paragraph_format(out, p.format);
        for (std::uint32_t at = p.start; at < content_end;) {
            while (run != doc.runs.end() && run->start + run->length <= at) ++run;
            const std::uint32_t run_end =
                run == doc.runs.end() ? content_end : std::min(content_end, run->start + run->length);
            out += '{';
            put_format(out, run == doc.runs.end() ? CharFormat{} : run->format, colors);
            const int font = run == doc.runs.end() ? -1 : run->format.font;
            put_text(out, text.substr(at, run_end - at),
                     font >= 0 && static_cast<std::size_t>(font) < doc.fonts.size() &&
                         charset_code_page(doc.fonts[static_cast<std::size_t>(font)].charset) == kSymbolCodePage);
            out += '}';
            at = run_end;
        }
        // The last paragraph has no mark; when it is empty, the mark before it still has to be
        // read as text, and a reader drops a document's final mark: write one more.
        if (!last || (p.start == p.end && pi > 0)) {
            out += '{';
            put_format(out, doc.format_at(last ? p.start - 2 : p.end - 2), colors);
            out += "\\par}\n";
        }
    }
    out += "}\n";
    return out;
}

}  // namespace tarnvel::richtext
