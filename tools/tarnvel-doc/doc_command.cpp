#include "tools/tarnvel-doc/doc_command.h"

#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <optional>

#include "richtext/load.h"
#include "richtext/utf.h"
#include "reader/section/section.h"

namespace tarnvel::doc {

namespace {

constexpr const char* kUsage =
    "usage: tarnvel-doc text FILE            the whole plain text, as the reader counts it\n"
    "       tarnvel-doc show FILE MARKER     the section the reader shows for MARKER\n"
    "       tarnvel-doc check FOLDER         every marker of FOLDER/One.rtf and FOLDER/Two.rtf\n"
    "       tarnvel-doc --help\n"
    "Text is UTF-8 with each line break as CR LF, exactly the characters the reader counts.\n"
    "Exit status: 0 success; 1 an unreadable document, a missing marker or a failed check;\n"
    "2 bad usage.\n";

std::optional<richtext::Document> load(const std::string& path, std::ostream& err) {
    auto r = richtext::load_file(path);
    if (!r) {
        err << "tarnvel-doc: " << r.message << "\n";
        return std::nullopt;
    }
    return std::move(r.document);
}

// In pieces through one small buffer, never splitting a surrogate pair.
void write_text(std::ostream& out, std::u16string_view text) {
    constexpr std::size_t kChunk = 16 * 1024;
    char buffer[kChunk * 3];
    while (!text.empty()) {
        std::size_t n = std::min(kChunk, text.size());
        if (n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
        const std::size_t bytes = richtext::encode_utf8(text.substr(0, n), buffer);
        out.write(buffer, static_cast<std::streamsize>(bytes));
        text.remove_prefix(n);
    }
}

int text_command(const std::string& file, std::ostream& out, std::ostream& err) {
    const auto doc = load(file, err);
    if (!doc) return 1;
    write_text(out, doc->plain_text());
    return 0;
}

int show_command(const std::string& file, const std::string& marker, std::ostream& out, std::ostream& err) {
    const auto doc = load(file, err);
    if (!doc) return 1;
    const auto cut = section::cut_section(doc->plain_text(), richtext::from_utf8(marker));
    if (!cut.found) {
        const section::Marker* known = section::find_marker(marker);
        err << "tarnvel-doc: " << file << " has no marker \"" << marker << "\""
            << (known ? " (" + section::describe(*known) + ")" : std::string()) << "\n";
        return 1;
    }
    write_text(out, doc->selection(cut.start, cut.length).plain_text());
    return 0;
}

int check_command(const std::string& folder, std::ostream& out, std::ostream& err) {
    std::optional<std::u16string> texts[2];
    for (auto file : {section::DocumentFile::One, section::DocumentFile::Two}) {
        const auto path = std::filesystem::path(folder) / section::file_name(file);
        if (auto doc = load(path.string(), err)) texts[static_cast<int>(file)] = doc->plain_text();
    }
    int sound = 0;
    const auto& markers = section::all_markers();
    for (const auto& m : markers) {
        const auto& text = texts[static_cast<int>(m.file)];
        out << std::left << std::setw(22) << m.text() << section::file_name(m.file) << "  ";
        if (!text) {
            out << "unreadable\n";
            continue;
        }
        const auto check = section::check_marker(*text, m);
        if (!check.present) {
            out << "missing\n";
            continue;
        }
        out << "present  " << (check.closed ? "closed      " : "not closed  ");
        if (!check.opening_taken_by.empty())
            out << "cut short: the first \"" << m.text() << "\" is the start of " << check.opening_taken_by;
        else if (!check.closing_taken_by.empty())
            out << "cut short: closed by the start of " << check.closing_taken_by;
        else
            out << "not cut short";
        out << "\n";
        if (check.sound()) ++sound;
    }
    const auto total = static_cast<int>(markers.size());
    out << sound << " of " << total << " markers sound\n";
    return sound == total ? 0 : 1;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    if (args.size() == 2 && args[0] == "text") return text_command(args[1], out, err);
    if (args.size() == 3 && args[0] == "show") return show_command(args[1], args[2], out, err);
    if (args.size() == 2 && args[0] == "check") return check_command(args[1], out, err);
    err << kUsage;
    return 2;
}

}  // namespace tarnvel::doc
