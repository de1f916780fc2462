#include "cli/month_grid.h"

#include "calendar/civil.h"
#include "calendar/nanakshahi_date.h"

namespace tarnvel::cli {
namespace {

// A cell is the Nanakshahi day right-aligned in two columns, a space and "dd/mm" left-aligned
// in five; cells are two columns apart.
constexpr std::size_t CellWidth = 8;
constexpr std::size_t Gap = 2;
constexpr std::size_t GridWidth = 7 * CellWidth + 6 * Gap;

std::string cell(const ScriptText& text, int nanakshahi_day, CivilDate g) {
    std::string c = nanakshahi_day < 10 ? " " : "";
    text.append_number(c, nanakshahi_day);
    c += ' ';
    c += std::to_string(g.day);
    c += '/';
    c += std::to_string(g.month);
    return c;
}

}  // namespace

std::string month_grid(int year, int month, const ViewStyle& style) {
    const ScriptText& text = script_text(style.script);
    const int length = month_length(year, month);
    const CivilDate first = gregorian_of(year, month, 1);

    std::string out;
    add_centred(out, text.month_and_year(month, year), GridWidth);
    if (style.script == Script::English)
        add_centred(out, script_text(Script::Gurmukhi).month_and_year(month, year), GridWidth);
    add_centred(out, short_date(first) + " - " + short_date(gregorian_of(year, month, length)), GridWidth);

    TextRow row;
    for (int col = 0; col < 7; ++col) {
        row.pad_to(static_cast<std::size_t>(col) * (CellWidth + Gap));
        row.add(weekday_abbreviation(col));
    }
    row.end(out);

    CivilDate g = first;
    int col = weekday(first);
    for (int day = 1; day <= length; ++day, g = next_day(g)) {
        row.pad_to(static_cast<std::size_t>(col) * (CellWidth + Gap));
        const std::string c = cell(text, day, g);
        if (style.marked == g)
            row.add_reversed(c);
        else
            row.add(c);
        if (++col == 7) {
            row.end(out);
            col = 0;
        }
    }
    if (col != 0) row.end(out);
    return out;
}

}  // namespace tarnvel::cli
