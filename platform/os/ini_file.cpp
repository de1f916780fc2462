#include "platform/os/ini_file.h"

#include <algorithm>

namespace tarnvel::platform::os {
namespace {

std::string_view trim(std::string_view s) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && space(s.front())) s.remove_prefix(1);
    while (!s.empty() && space(s.back())) s.remove_suffix(1);
    return s;
}

// Spaces at either end are escaped too, since lines are trimmed when read.
std::string escape(std::string_view v) {
    std::string out;
    out.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (c == ' ' && (i == 0 || i + 1 == v.size())) out += "\\s";
        else out += c;
    }
    return out;
}

std::string unescape(std::string_view v) {
    std::string out;
    out.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\\' || i + 1 == v.size()) {
            out += v[i];
            continue;
        }
        const char n = v[++i];
        out += n == 'n' ? '\n' : n == 'r' ? '\r' : n == 't' ? '\t' : n == 's' ? ' ' : n;
    }
    return out;
}

bool holdable(std::string_view name) {
    return !name.empty() && trim(name) == name &&
           name.find_first_of("=[]\n\r") == std::string_view::npos && name.front() != ';' && name.front() != '#';
}

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    Section* current = nullptr;
    while (!text.empty()) {
        const auto eol = text.find('\n');
        const std::string_view line = trim(text.substr(0, eol));
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            current = nullptr;
            if (line.back() != ']') continue;
            const std::string_view name = line.substr(1, line.size() - 2);
            if (!holdable(name)) continue;
            auto it = std::find_if(ini.sections_.begin(), ini.sections_.end(),
                                   [&](const Section& s) { return s.name == name; });
            if (it == ini.sections_.end()) it = ini.sections_.insert(ini.sections_.end(), Section{std::string(name), {}});
            current = &*it;
            continue;
        }
        const auto eq = line.find('=');
        if (!current || eq == std::string_view::npos) continue;
        const std::string_view key = trim(line.substr(0, eq));
        if (!holdable(key)) continue;
        const std::string value = unescape(trim(line.substr(eq + 1)));
        auto& entries = current->entries;
        auto e = std::find_if(entries.begin(), entries.end(), [&](const auto& kv) { return kv.first == key; });
        if (e == entries.end()) entries.emplace_back(std::string(key), value);
        else e->second = value;
    }
    return ini;
}

std::string IniFile::Serialize() const {
    std::string out;
    for (const Section& s : sections_) {
        if (!out.empty()) out += '\n';
        out += '[' + s.name + "]\n";
        for (const auto& [k, v] : s.entries) out += k + '=' + escape(v) + '\n';
    }
    return out;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    for (const Section& s : sections_) {
        if (s.name != section) continue;
        for (const auto& [k, v] : s.entries)
            if (k == key) return v;
    }
    return std::nullopt;
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!holdable(section) || !holdable(key)) return false;
    auto s = std::find_if(sections_.begin(), sections_.end(), [&](const Section& x) { return x.name == section; });
    if (s == sections_.end()) s = sections_.insert(sections_.end(), Section{std::string(section), {}});
    auto e = std::find_if(s->entries.begin(), s->entries.end(), [&](const auto& kv) { return kv.first == key; });
    if (e == s->entries.end()) s->entries.emplace_back(std::string(key), std::string(value));
    else e->second = value;
    return true;
}

}  // namespace tarnvel::platform::os
