#include "cli/view_text.h"

#include <array>

#include "cli/text_width.h"

namespace tarnvel::cli {
namespace {

constexpr std::array<std::string_view, 12> GregorianMonthAbbrev{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 7> WeekdayAbbrev{"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};

constexpr std::string_view ReverseOn = "\x1b[7m";
constexpr std::string_view ReverseOff = "\x1b[27m";

}  // namespace

void TextRow::pad_to(std::size_t column) {
    if (width_ < column) {
        text_.append(column - width_, ' ');
        width_ = column;
    }
}

void TextRow::add(std::string_view text) {
    text_ += text;
    width_ += display_width(text);
}

void TextRow::add(const TextRow& row) {
    text_ += row.text_;
    width_ += row.width_;
}

void TextRow::add_reversed(std::string_view text) {
    text_ += ReverseOn;
    add(text);
    text_ += ReverseOff;
}

void TextRow::end(std::string& out) {
    while (!text_.empty() && text_.back() == ' ') text_.pop_back();
    out += text_;
    out += '\n';
    text_.clear();
    width_ = 0;
}

TextRow centred(std::string_view text, std::size_t width) {
    TextRow row;
    const std::size_t w = display_width(text);
    if (w < width) row.pad_to((width - w) / 2);
    row.add(text);
    return row;
}

void add_centred(std::string& out, std::string_view text, std::size_t width) { centred(text, width).end(out); }

std::string short_date(CivilDate d, bool with_year) {
    std::string s = std::to_string(d.day) + " " + std::string(GregorianMonthAbbrev[static_cast<std::size_t>(d.month - 1)]);
    if (with_year) s += " " + std::to_string(d.year);
    return s;
}

std::string_view weekday_abbreviation(int weekday) { return WeekdayAbbrev[static_cast<std::size_t>(weekday)]; }

}  // namespace tarnvel::cli
