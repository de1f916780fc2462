// libFuzzer entry for the section cutter. The input's first line is the marker and the rest the
// text, both widened byte by byte to UTF-16 except that a byte 0xFF and the two after it give
// one code unit of any value (lone surrogates too). Besides crashes and sanitizer findings, the
// run aborts when the cut breaks its promises:
//  - c is the first occurrence of the marker (1-based, 0 when it is missing), f = c + its length,
//    and e the next occurrence at or after f, else the length of the text;
//  - the selection is start = f + 1, length = e - f - 2 wherever that lies inside the text, and
//    is clamped into the text everywhere else;
//  - a section never holds its own marker;
// and the checks for authors agree with the cut for every marker of the table, and describe a
// marker by its text whatever its two halves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "reader/section/section.h"

namespace {

using namespace tarnvel::section;

void require(bool ok) {
    if (!ok) std::abort();
}

std::u16string widen(std::string_view bytes) {
    std::u16string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == 0xFF && i + 2 < bytes.size()) {
            out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i + 1]) << 8 |
                                         static_cast<unsigned char>(bytes[i + 2]));
            i += 2;
        } else {
            out += static_cast<char16_t>(b);
        }
    }
    return out;
}

void check_cut(std::u16string_view text, std::u16string_view marker) {
    const Cut cut = cut_section(text, marker);
    const auto len = static_cast<std::int64_t>(text.size());
    const auto n = static_cast<std::int64_t>(marker.size());
    const std::size_t first = marker.empty() ? std::u16string_view::npos : text.find(marker);
    require(cut.found == (first != std::u16string_view::npos));
    if (!cut.found) {
        require(!cut.closed && cut.c == 0 && cut.f == 0 && cut.e == 0 && cut.start == 0 && cut.length == 0);
        return;
    }
    require(cut.c == static_cast<std::int64_t>(first) + 1 && cut.f == cut.c + n);
    const std::size_t next = text.find(marker, static_cast<std::size_t>(cut.f - 1));
    require(cut.closed == (next != std::u16string_view::npos));
    require(cut.e == (cut.closed ? static_cast<std::int64_t>(next) + 1 : len));

    require(cut.start >= 0 && cut.length >= 0 && cut.start + cut.length <= len);
    const std::int64_t start = cut.f + 1, length = cut.e - cut.f - 2;
    if (start <= len && length >= 0 && start + length <= len) require(cut.start == start && cut.length == length);
    const std::u16string_view section =
        text.substr(static_cast<std::size_t>(cut.start), static_cast<std::size_t>(cut.length));
    require(section.find(marker) == std::u16string_view::npos);
}

void check_table_marker(std::u16string_view text, const Marker& m) {
    const std::string t = m.text();
    const std::u16string wide(t.begin(), t.end());
    const Cut cut = cut_section(text, wide);
    const MarkerCheck check = check_marker(text, m);
    require(check.present == cut.found && check.closed == cut.closed);
    for (const std::string* taken : {&check.opening_taken_by, &check.closing_taken_by}) {
        if (taken->empty()) continue;
        const Marker* longer = find_marker(*taken);
        require(longer && longer->file == m.file && taken->size() > t.size() && taken->starts_with(t));
    }
    if (!check.opening_taken_by.empty())
        require(text.substr(static_cast<std::size_t>(cut.c - 1)).starts_with(
            std::u16string(check.opening_taken_by.begin(), check.opening_taken_by.end())));
    require(check.sound() == (check.present && check.closed && check.opening_taken_by.empty() &&
                              check.closing_taken_by.empty()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t eol = bytes.find('\n');
    const std::string_view marker_bytes = bytes.substr(0, eol);
    const std::u16string text = widen(eol == std::string_view::npos ? std::string_view() : bytes.substr(eol + 1));
    const std::u16string marker = widen(marker_bytes);
    check_cut(text, marker);

    // The marker line named as a marker of the table, split anywhere: the reader and tarnvel-doc
    // name what a marker shows by its text.
    const auto& table = all_markers();
    const Marker& m = table[size % table.size()];
    check_table_marker(text, m);
    const std::string joined(marker_bytes);
    const std::size_t cut_at = joined.empty() ? 0 : (size * 31) % (joined.size() + 1);
    const Marker split{joined.substr(0, cut_at), joined.substr(cut_at), size % 2 ? DocumentFile::One : DocumentFile::Two};
    const std::string notice = missing_notice(split);
    require(!notice.empty() && notice.find(joined) != std::string::npos);
    if (const Marker* known = find_marker(joined)) require(describe(split) == describe(*known));
    return 0;
}
