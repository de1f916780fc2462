#include "cli/calendar_view.h"

#include <algorithm>

#include "calendar/nanakshahi_date.h"
#include "cli/month_grid.h"

namespace tarnvel::cli {
namespace {

constexpr std::size_t BlockWidth = 20;  // seven two-column days, one column apart
constexpr std::size_t BlockGap = 2;
constexpr std::size_t Across = 3;
constexpr std::size_t RowWidth = Across * BlockWidth + (Across - 1) * BlockGap;

// A Gregorian year: the year and the Nanakshahi months that cover it. A Nanakshahi year: its
// name and its Gregorian span.
std::string heading(const MonthsView& v, const ScriptText& text) {
    std::string out;
    if (v.gregorian_year != 0) {
        MonthRef last = v.first;
        for (int i = 1; i < v.count; ++i) last = next_month(last);
        add_centred(out, std::to_string(v.gregorian_year), RowWidth);
        add_centred(out, text.month_and_year(v.first.month, v.first.year) + " - " +
                             text.month_and_year(last.month, last.year), RowWidth);
    } else {
        const int year = v.first.year;
        std::string title(text.sammat());
        title += ' ';
        text.append_number(title, year);
        title += ' ';
        title += text.nanakshahi();
        add_centred(out, title, RowWidth);
        add_centred(out, short_date(gregorian_of(year, 1, 1)) + " - " +
                             short_date(gregorian_of(year, 12, month_length(year, 12))), RowWidth);
    }
    out += '\n';
    return out;
}

}  // namespace

std::vector<TextRow> month_block(MonthRef m, const ViewStyle& style) {
    const ScriptText& text = script_text(style.script);
    const int length = month_length(m.year, m.month);
    const CivilDate first = gregorian_of(m.year, m.month, 1);

    std::vector<TextRow> rows;
    std::string title(text.month(m.month));
    title += ' ';
    text.append_number(title, m.year);
    rows.push_back(centred(title, BlockWidth));
    rows.push_back(centred(short_date(first, false) + " - " + short_date(gregorian_of(m.year, m.month, length), false),
                           BlockWidth));
    TextRow row;
    for (std::size_t col = 0; col < 7; ++col) {
        row.pad_to(col * 3);
        row.add(weekday_abbreviation(static_cast<int>(col)));
    }
    rows.push_back(std::move(row));
    row = {};
    CivilDate g = first;
    int col = weekday(first);
    for (int day = 1; day <= length; ++day, g = next_day(g)) {
        row.pad_to(static_cast<std::size_t>(col) * 3);
        std::string number = day < 10 ? " " : "";
        text.append_number(number, day);
        if (style.marked == g)
            row.add_reversed(number);
        else
            row.add(number);
        if (++col == 7) {
            rows.push_back(std::move(row));
            row = {};
            col = 0;
        }
    }
    if (col != 0) rows.push_back(std::move(row));
    return rows;
}

std::string calendar_view(const MonthsView& v, const ViewStyle& style) {
    std::string out;
    MonthRef m = v.first;
    if (!v.compact) {
        for (int i = 0; i < v.count; ++i, m = next_month(m)) {
            if (i > 0) out += '\n';
            out += month_grid(m.year, m.month, style);
        }
        return out;
    }
    if (v.year) out += heading(v, script_text(style.script));
    for (int done = 0; done < v.count;) {
        if (done > 0) out += '\n';
        std::vector<std::vector<TextRow>> blocks;
        for (std::size_t i = 0; i < Across && done < v.count; ++i, ++done, m = next_month(m))
            blocks.push_back(month_block(m, style));
        std::size_t height = 0;
        for (const auto& b : blocks) height = std::max(height, b.size());
        for (std::size_t line = 0; line < height; ++line) {
            TextRow row;
            for (std::size_t b = 0; b < blocks.size(); ++b) {
                if (line >= blocks[b].size()) continue;
                row.pad_to(b * (BlockWidth + BlockGap));
                row.add(blocks[b][line]);
            }
            row.end(out);
        }
    }
    return out;
}

}  // namespace tarnvel::cli
