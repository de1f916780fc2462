#include "cli/ics_text.h"

namespace tarnvel::cli {
namespace {

constexpr std::size_t MaxOctets = 75;  // per line, CRLF not counted

constexpr bool continuation(char c) noexcept { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

void append_escaped(std::string& out, std::string_view value) {
    for (const char c : value) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case ';': out += "\\;"; break;
            case ',': out += "\\,"; break;
            case '\n': out += "\\n"; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 ? c != 0x7F : c == '\t') out += c;
        }
    }
}

// Folds `line` into `out`: a continuation line begins with a space, which counts among its
// octets. Valid UTF-8 stays whole; a stray continuation byte may be cut anywhere.
void append_folded(std::string& out, std::string_view line) {
    std::size_t limit = MaxOctets;
    while (line.size() > limit) {
        std::size_t cut = limit;
        while (cut > limit - 3 && continuation(line[cut])) --cut;
        if (continuation(line[cut])) cut = limit;
        out += line.substr(0, cut);
        out += "\r\n ";
        line.remove_prefix(cut);
        limit = MaxOctets - 1;
    }
    out += line;
    out += "\r\n";
}

}  // namespace

void append_content_line(std::string& out, std::string_view name, std::string_view value) {
    thread_local std::string line;
    line.assign(name);
    line += ':';
    line += value;
    append_folded(out, line);
}

void append_text_line(std::string& out, std::string_view name, std::string_view value) {
    thread_local std::string line;
    line.assign(name);
    line += ':';
    append_escaped(line, value);
    append_folded(out, line);
}

std::string escaped_text(std::string_view value) {
    std::string s;
    append_escaped(s, value);
    return s;
}

}  // namespace tarnvel::cli
