#include "cli/range_writer.h"

#include <charconv>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "calendar/nanakshahi_date.h"
#include "cli/dates.h"

namespace tarnvel::cli {
namespace {

constexpr std::size_t BufferSize = 1 << 18;
// Longest line: 10 + 1 + 2 + 1 + 2 + 1 + 4 + 1 + (2 + 1 + 7 + 2 + 7 + 4 + 11) + 1 = 57 bytes in
// English; the Gurmukhi line takes three bytes a letter or digit, about 90 bytes.
constexpr std::size_t MaxLine = 256;

constexpr std::string_view Sammat = ", Sammat ";
constexpr std::string_view Tail = " Nanakshahi\n";

char* put(char* p, std::string_view s) noexcept {
    std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

char* put(char* p, int n) noexcept { return std::to_chars(p, p + 11, n).ptr; }

}  // namespace

bool write_range(std::ostream& out, CivilDate from, CivilDate to, Script script) {
    const ScriptText& text = script_text(script);
    std::string line;
    const auto buffer = std::make_unique<char[]>(BufferSize);
    char* const begin = buffer.get();
    char* const flush_at = begin + BufferSize - MaxLine;
    char* p = begin;

    CivilDate g = from;
    NanakshahiFields f = nanakshahi_fields(g);
    for (auto left = days_from_civil(to) - days_from_civil(from); ; --left) {
        const std::string_view name = NanakshahiMonths[static_cast<std::size_t>(f.month - 1)].english;
        p = put_iso_date(p, g);
        *p++ = '\t';
        p = put(p, f.day);
        *p++ = '\t';
        p = put(p, f.month);
        *p++ = '\t';
        p = put(p, f.year);
        *p++ = '\t';
        if (script == Script::English) {
            p = put(p, f.day);
            *p++ = ' ';
            p = put(p, name);
            p = put(p, Sammat);
            p = put(p, f.year);
            p = put(p, Tail);
        } else {
            line.clear();
            text.append_line(line, f);
            p = put(p, line);
            *p++ = '\n';
        }
        if (p >= flush_at) {
            if (!out.write(begin, p - begin)) return false;
            p = begin;
        }
        if (left == 0) break;
        // Kept in step with the Gregorian day instead of converting each date anew.
        g = next_day(g);
        f = next_nanakshahi_day(f);
    }
    return static_cast<bool>(out.write(begin, p - begin));
}

}  // namespace tarnvel::cli
