#include "cli/month_grid.h"

#include <array>
#include <string_view>

#include "calendar/civil.h"
#include "calendar/nanakshahi_date.h"
#include "cli/text_width.h"
#include "gurmukhi/gurmukhi.h"

namespace tarnvel::cli {
namespace {

constexpr std::array<std::string_view, 12> GregorianMonthAbbrev{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 7> WeekdayAbbrev{"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};

// A cell is the Nanakshahi day right-aligned in two columns, a space and "dd/mm" left-aligned
// in five; cells are two columns apart.
constexpr std::size_t CellWidth = 8;
constexpr std::size_t Gap = 2;
constexpr std::size_t GridWidth = 7 * CellWidth + 6 * Gap;

void pad_to(std::string& line, std::size_t width) {
    if (display_width(line) < width) line.append(width - display_width(line), ' ');
}

void add_centred(std::string& out, std::string_view text) {
    const std::size_t w = display_width(text);
    if (w < GridWidth) out.append((GridWidth - w) / 2, ' ');
    out += text;
    out += '\n';
}

std::string long_date(CivilDate d) {
    return std::to_string(d.day) + " " + std::string(GregorianMonthAbbrev[static_cast<std::size_t>(d.month - 1)]) +
           " " + std::to_string(d.year);
}

std::string cell(int nanakshahi_day, CivilDate g) {
    std::string c = nanakshahi_day < 10 ? " " : "";
    c += std::to_string(nanakshahi_day);
    c += ' ';
    c += std::to_string(g.day);
    c += '/';
    c += std::to_string(g.month);
    return c;
}

void end_line(std::string& out, std::string& line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line;
    out += '\n';
    line.clear();
}

}  // namespace

std::string month_grid(int year, int month) {
    const NanakshahiMonthInfo& info = NanakshahiMonths[static_cast<std::size_t>(month - 1)];
    const int length = month_length(year, month);
    const CivilDate first = gregorian_of(year, month, 1);
    const std::string year_text = std::to_string(year);

    std::string out;
    add_centred(out, std::string(info.english) + ", Sammat " + year_text);
    add_centred(out, gurmukhi::legacy_to_unicode(std::string(info.gurmukhi) + ", sMmq " + year_text));
    add_centred(out, long_date(first) + " - " + long_date(gregorian_of(year, month, length)));

    std::string line;
    for (std::size_t col = 0; col < 7; ++col) {
        pad_to(line, col * (CellWidth + Gap));
        line += WeekdayAbbrev[col];
    }
    end_line(out, line);

    CivilDate g = first;
    int col = weekday(first);
    for (int day = 1; day <= length; ++day, g = next_day(g)) {
        pad_to(line, static_cast<std::size_t>(col) * (CellWidth + Gap));
        line += cell(day, g);
        if (++col == 7) {
            end_line(out, line);
            col = 0;
        }
    }
    if (!line.empty()) end_line(out, line);
    return out;
}

}  // namespace tarnvel::cli
