#include "reader/section/section.h"

#include <algorithm>
#include <array>

namespace tarnvel::section {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "Chet", "Vaisakh", "Jeth", "Harh", "Sawan", "Bhadon", "Asu", "Katik", "Maghar", "Poh", "Magh", "Phagan"};
constexpr std::array<std::string_view, 12> kGregorianCaps = {
    "JANUARY", "FEBRUARY", "MARCH", "APRIL", "MAY", "JUNE",
    "JULY", "AUGUST", "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
constexpr std::array<std::string_view, 12> kGregorianNames = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};
// Days of each month in a leap year: 29 February has its entry too.
constexpr std::array<int, 12> kDaysInMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::u16string widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::vector<Marker> build_markers() {
    std::vector<Marker> out;
    for (int m = 1; m <= 12; ++m) out.push_back({"Month", std::to_string(m), DocumentFile::One});
    for (int m = 1; m <= 12; ++m) out.push_back({"Month_Akhaan", std::to_string(m), DocumentFile::One});
    for (const char* name : {"Help", "Nanakshahi_Calendar", "Orvanta", "Tarnvel"})
        out.push_back({name, "0", DocumentFile::One});
    for (std::size_t m = 0; m < 12; ++m) {
        for (int d = 1; d <= kDaysInMonth[m]; ++d) {
            std::string day = std::to_string(d);
            if (day.size() < 2) day.insert(0, "0");
            out.push_back({std::string(kGregorianCaps[m]), day, DocumentFile::Two});
        }
    }
    return out;
}

// The longest table marker, of the same file, that starts at `at` and is longer than `marker`.
std::string longer_marker_at(std::u16string_view text, std::size_t at, const Marker& marker) {
    const std::string own = marker.text();
    std::string best;
    for (const Marker& other : all_markers()) {
        if (other.file != marker.file) continue;
        const std::string t = other.text();
        if (t.size() <= own.size() || t.compare(0, own.size(), own) != 0 || t.size() <= best.size()) continue;
        if (text.substr(at, t.size()) == widen(t)) best = t;
    }
    return best;
}

}  // namespace

Cut cut_section(std::u16string_view text, std::u16string_view marker) {
    Cut cut;
    const auto len = static_cast<std::int64_t>(text.size());
    const auto n = static_cast<std::int64_t>(marker.size());
    const std::size_t first = marker.empty() ? std::u16string_view::npos : text.find(marker);
    if (first == std::u16string_view::npos) return cut;
    cut.found = true;
    cut.c = static_cast<std::int64_t>(first) + 1;
    cut.f = cut.c + n;
    // "At or after position f" (1-based) is the 0-based index f - 1: right after the marker.
    const std::size_t next = text.find(marker, static_cast<std::size_t>(cut.f - 1));
    cut.closed = next != std::u16string_view::npos;
    cut.e = cut.closed ? static_cast<std::int64_t>(next) + 1 : len;
    cut.start = std::min(cut.f + 1, len);
    cut.length = std::clamp<std::int64_t>(cut.e - cut.f - 2, 0, len - cut.start);
    return cut;
}

std::string_view file_name(DocumentFile file) { return file == DocumentFile::One ? "One.rtf" : "Two.rtf"; }

const std::vector<Marker>& all_markers() {
    static const std::vector<Marker> markers = build_markers();
    return markers;
}

const Marker* find_marker(std::string_view text) {
    for (const Marker& m : all_markers())
        if (m.text() == text) return &m;
    return nullptr;
}

std::string describe(const Marker& marker) {
    // Only the table's markers have a known meaning (and a number that parses and names a
    // month or a day); any other is named by its text. A document holds the text alone, so a
    // marker whose text is the table's means what the table's does, however it is split.
    const Marker* known = find_marker(marker.text());
    if (!known) return "the section \"" + marker.text() + "\"";
    const std::string& name = known->break_name;
    if (name == "Month" || name == "Month_Akhaan") {
        const int m = std::stoi(known->break_point);
        return std::string(name == "Month" ? "the Baramah of " : "the Akhaan of ") +
               std::string(kMonthNames[static_cast<std::size_t>(m - 1)]);
    }
    if (name == "Help") return "the help page";
    if (name == "Nanakshahi_Calendar") return "the page about the Nanakshahi calendar";
    if (name == "Orvanta") return "the page about Orvanta";
    if (name == "Tarnvel") return "the page about Tarnvel";
    const auto it = std::find(kGregorianCaps.begin(), kGregorianCaps.end(), name);
    const std::string day = std::to_string(std::stoi(known->break_point));
    return "the history entry for " + day + " " +
           std::string(kGregorianNames[static_cast<std::size_t>(it - kGregorianCaps.begin())]);
}

std::string missing_notice(const Marker& marker) {
    std::string what = describe(marker);
    what[0] = static_cast<char>(what[0] - 'a' + 'A');
    return what + " is not in " + std::string(file_name(marker.file)) + " (no \"" + marker.text() +
           "\" marker).";
}

MarkerCheck check_marker(std::u16string_view text, const Marker& marker) {
    MarkerCheck check;
    const std::u16string m = widen(marker.text());
    const Cut cut = cut_section(text, m);
    check.present = cut.found;
    check.closed = cut.closed;
    if (cut.found) check.opening_taken_by = longer_marker_at(text, static_cast<std::size_t>(cut.c - 1), marker);
    if (cut.closed) check.closing_taken_by = longer_marker_at(text, static_cast<std::size_t>(cut.e - 1), marker);
    return check;
}

}  // namespace tarnvel::section
