#include "cli/script_text.h"

#include <charconv>

#include "gurmukhi/gurmukhi.h"

namespace tarnvel::cli {
namespace {

struct GurmukhiName {
    std::string_view english;
    std::string_view legacy;  // GurbaniLipi keyboard encoding
};

constexpr GurmukhiName ObservanceNames[] = {
    {"Vaisakhi", "vYswKI"},
    {"Parkash Purab - Guru Nanak Sahib", "pRkwS purb - gurU nwnk swihb"},
};

constexpr std::string_view LegacyNewYear = "nvW swl";
constexpr std::string_view LegacySammat = "sMmq";
constexpr std::string_view LegacyNanakshahi = "nwnkSwhI";

const GurmukhiName* gurmukhi_name(std::string_view english) {
    for (const GurmukhiName& n : ObservanceNames)
        if (n.english == english) return &n;
    return nullptr;
}

}  // namespace

ScriptText::ScriptText(Script script) : script_(script) {
    const auto text = [script](std::string_view english, std::string_view legacy) {
        switch (script) {
            case Script::English: return std::string(english);
            case Script::Legacy: return std::string(legacy);
            case Script::Gurmukhi: return gurmukhi::legacy_to_unicode(legacy);
        }
        return std::string(english);
    };
    for (std::size_t i = 0; i < months_.size(); ++i)
        months_[i] = text(NanakshahiMonths[i].english, NanakshahiMonths[i].gurmukhi);
    sammat_ = text("Sammat", LegacySammat);
    nanakshahi_ = text("Nanakshahi", LegacyNanakshahi);
    new_year_ = text("New Year", LegacyNewYear);
}

void ScriptText::append_number(std::string& out, int n) const {
    char buf[12];
    const char* const end = std::to_chars(buf, buf + sizeof buf, n).ptr;
    if (script_ != Script::Gurmukhi) {
        out.append(buf, static_cast<std::size_t>(end - buf));
        return;
    }
    for (const char* p = buf; p != end; ++p) {
        if (*p < '0' || *p > '9') {
            out += *p;
            continue;
        }
        // U+0A66 GURMUKHI DIGIT ZERO onwards.
        out += '\xE0';
        out += '\xA9';
        out += static_cast<char>(0xA6 + (*p - '0'));
    }
}

std::string ScriptText::number(int n) const {
    std::string s;
    append_number(s, n);
    return s;
}

void ScriptText::append_line(std::string& out, NanakshahiFields f) const {
    append_number(out, f.day);
    out += ' ';
    out += month(f.month);
    out += ", ";
    out += sammat_;
    out += ' ';
    append_number(out, f.year);
    out += ' ';
    out += nanakshahi_;
}

std::string ScriptText::line(NanakshahiFields f) const {
    std::string s;
    append_line(s, f);
    return s;
}

std::string ScriptText::month_and_year(int m, int year) const {
    std::string s(month(m));
    s += ", ";
    s += sammat_;
    s += ' ';
    append_number(s, year);
    return s;
}

std::string ScriptText::observance(const Observance& o) const {
    const GurmukhiName* n = gurmukhi_name(o.name);
    if (script_ == Script::English || n == nullptr) return std::string(o.name);
    return script_ == Script::Legacy ? std::string(n->legacy) : gurmukhi::legacy_to_unicode(n->legacy);
}

const ScriptText& script_text(Script script) {
    static const ScriptText english(Script::English), gurmukhi(Script::Gurmukhi), legacy(Script::Legacy);
    switch (script) {
        case Script::English: break;
        case Script::Gurmukhi: return gurmukhi;
        case Script::Legacy: return legacy;
    }
    return english;
}

bool every_observance_has_a_gurmukhi_name() {
    for (const Observance& o : Observances)
        if (gurmukhi_name(o.name) == nullptr) return false;
    return true;
}

}  // namespace tarnvel::cli
