#include "platform/os/ini_file.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace tarnvel::platform::os {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trim(std::string_view s) {
    const auto space = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && space(s.front())) s.remove_prefix(1);
    while (!s.empty() && space(s.back())) s.remove_suffix(1);
    return s;
}

bool control(char c) { return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f; }

bool has_control(std::string_view s) { return std::any_of(s.begin(), s.end(), control); }

// The line end of a line: "\n", "\r\n", or none on a last line that has none.
std::string_view line_end_of(std::string_view raw) {
    if (raw.ends_with("\r\n")) return "\r\n";
    if (raw.ends_with('\n')) return "\n";
    return {};
}

// A line without its line end, nor a '\r' that ends the text: a line end given to that last
// line must not change what it says.
std::string_view content_of(std::string_view raw) {
    if (raw.ends_with('\n')) raw.remove_suffix(1);
    if (raw.ends_with('\r')) raw.remove_suffix(1);
    return raw;
}

struct Line {
    enum Kind { Blank, Comment, Header, Key, Damaged };
    std::size_t begin = 0;  // offset in the text
    std::string_view raw;   // with its line end
    Kind kind = Blank;
    std::string_view name;  // of the header, or the key
    std::string_view value;  // as written, escapes and all
    bool in_section = false;  // a key line under a good header
    std::string_view section;  // that header's name
};

// Calls `each` with every line of `text`, in order, classified as the header describes.
template <class Each>
void scan(std::string_view text, Each&& each) {
    Line line;
    bool in_section = false;
    std::string_view section;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t eol = text.find('\n', pos);
        const std::size_t end = eol == std::string_view::npos ? text.size() : eol + 1;
        line = Line{};
        line.begin = pos;
        line.raw = text.substr(pos, end - pos);
        std::string_view s = content_of(line.raw);
        if (pos == 0 && s.starts_with(kByteOrderMark)) s.remove_prefix(kByteOrderMark.size());
        pos = end;
        s = trim(s);
        if (s.empty()) {
            line.kind = Line::Blank;
        } else if (s.front() == ';' || s.front() == '#') {
            line.kind = Line::Comment;
        } else if (has_control(s)) {
            line.kind = Line::Damaged;
        } else if (s.front() == '[') {
            const std::string_view name = s.substr(1, s.size() - 1 - (s.back() == ']'));
            const bool good = s.size() > 2 && s.back() == ']' && name.find_first_of("[]") == std::string_view::npos;
            line.kind = good ? Line::Header : Line::Damaged;
            line.name = name;
        } else if (const std::size_t eq = s.find('='); eq != std::string_view::npos && !trim(s.substr(0, eq)).empty()) {
            line.kind = Line::Key;
            line.name = trim(s.substr(0, eq));
            line.value = trim(s.substr(eq + 1));
        } else {
            line.kind = Line::Damaged;
        }
        if (line.kind == Line::Header) {
            in_section = true;
            section = line.name;
        } else if (line.kind == Line::Damaged) {
            in_section = false;
        }
        line.in_section = in_section && line.kind == Line::Key;
        if (line.in_section) line.section = section;
        each(line);
    }
}

constexpr char kHex[] = "0123456789ABCDEF";

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Spaces and tabs at either end are escaped too, since lines are trimmed when read; control
// characters are, since they make a line damaged.
std::string escape(std::string_view v) {
    std::string out;
    out.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        const char c = v[i];
        const bool at_end = i == 0 || i + 1 == v.size();
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (c == ' ' && at_end) out += "\\s";
        else if (control(c)) {
            out += "\\x";
            out += kHex[static_cast<unsigned char>(c) >> 4];
            out += kHex[static_cast<unsigned char>(c) & 15];
        } else out += c;
    }
    return out;
}

// The reverse of escape. An escape it does not know stands for the character after the
// backslash, and a backslash at the very end for itself.
std::string unescape(std::string_view v) {
    std::string out;
    out.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\\' || i + 1 == v.size()) {
            out += v[i];
            continue;
        }
        const char n = v[++i];
        if (n == 'x' && i + 2 < v.size() && hex_value(v[i + 1]) >= 0 && hex_value(v[i + 2]) >= 0) {
            out += static_cast<char>(hex_value(v[i + 1]) * 16 + hex_value(v[i + 2]));
            i += 2;
            continue;
        }
        out += n == 'n' ? '\n' : n == 'r' ? '\r' : n == 't' ? '\t' : n == 's' ? ' ' : n;
    }
    return out;
}

bool holdable(std::string_view name) {
    return !name.empty() && trim(name) == name && !has_control(name) &&
           name.find_first_of("=[]") == std::string_view::npos && name.front() != ';' && name.front() != '#';
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    ini.text_ = text;
    return ini;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    std::optional<std::string_view> found;
    scan(text_, [&](const Line& l) {
        if (l.in_section && l.name == key && l.section == section) found = l.value;
    });
    if (!found) return std::nullopt;
    return unescape(*found);
}

std::vector<IniFile::Entry> IniFile::Entries() const {
    // Each section's keys by name; the last value of a key given twice replaces the first.
    std::unordered_map<std::string_view, std::unordered_map<std::string_view, std::size_t>> where;
    std::vector<Entry> out;
    scan(text_, [&](const Line& l) {
        if (!l.in_section) return;
        const auto [it, added] = where[l.section].try_emplace(l.name, out.size());
        if (added) out.push_back({std::string(l.section), std::string(l.name), std::string(l.value)});
        else out[it->second].value = l.value;
    });
    for (Entry& e : out) e.value = unescape(e.value);
    return out;
}

std::vector<std::pair<std::string, std::string>> IniFile::Values(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> out;
    for (Entry& e : Entries())
        if (e.section == section) out.emplace_back(std::move(e.key), std::move(e.value));
    return out;
}

std::vector<std::string> IniFile::Sections() const {
    std::vector<std::string> out;
    std::unordered_set<std::string_view> seen;
    scan(text_, [&](const Line& l) {
        if (l.kind == Line::Header && seen.insert(l.name).second) out.emplace_back(l.name);
    });
    return out;
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!holdable(section) || !holdable(key)) return false;
    std::optional<Line> own;            // the key's line that is read
    std::optional<Line> insert_after;   // the last key line, or the header, of the section's last header
    std::optional<Line> last;
    scan(text_, [&](const Line& l) {
        if (l.kind == Line::Header && l.name == section) insert_after = l;
        if (l.in_section && l.section == section) {
            insert_after = l;
            if (l.name == key) own = l;
        }
        last = l;
    });
    const std::string line = std::string(key) + '=' + escape(value);
    if (own) {
        if (unescape(own->value) != value)
            text_.replace(own->begin, own->raw.size(), line + std::string(line_end_of(own->raw)));
        return true;
    }
    // New lines take the line end of the line they follow; one that has none gets "\n".
    const auto add_after = [&](const Line& before, const std::string& lines_with_ends) {
        std::size_t at = before.begin + before.raw.size();
        if (line_end_of(before.raw).empty()) text_.insert(at++, 1, '\n');
        text_.insert(at, lines_with_ends);
    };
    if (insert_after) {
        const std::string eol(line_end_of(insert_after->raw).empty() ? "\n" : line_end_of(insert_after->raw));
        add_after(*insert_after, line + eol);
        return true;
    }
    // A new section at the end, after a blank line when the text has lines of its own.
    if (!last) {
        text_ = '[' + std::string(section) + "]\n" + line + '\n';
        return true;
    }
    const std::string eol(line_end_of(last->raw).empty() ? "\n" : line_end_of(last->raw));
    add_after(*last, (last->kind == Line::Blank ? "" : eol) + '[' + std::string(section) + ']' + eol + line + eol);
    return true;
}

}  // namespace tarnvel::platform::os
