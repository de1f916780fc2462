#pragma once
// What the month and year views share: how they are written, and lines built left to right
// whose width in terminal columns is kept apart from their bytes, which may hold the escapes
// that mark today.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/civil.h"
#include "cli/script_text.h"

namespace tarnvel::cli {

struct ViewStyle {
    Script script = Script::English;
    std::optional<CivilDate> marked;  // the day shown in reverse video (today, on a terminal)
};

class TextRow {
public:
    void pad_to(std::size_t column);
    void add(std::string_view text);
    void add_reversed(std::string_view text);  // in reverse video
    void add(const TextRow& row);  // another row's text, escapes and all
    std::size_t width() const noexcept { return width_; }

    // Appends the line and a newline to `out`; the row is empty again.
    void end(std::string& out);

private:
    std::string text_;
    std::size_t width_ = 0;
};

// `text` centred in `width` columns.
TextRow centred(std::string_view text, std::size_t width);
// The same as a whole line of `out`.
void add_centred(std::string& out, std::string_view text, std::size_t width);

// "14 Mar 2026", and "14 Mar" without the year.
std::string short_date(CivilDate d, bool with_year = true);

std::string_view weekday_abbreviation(int weekday);  // 0 = "Su" .. 6 = "Sa"

}  // namespace tarnvel::cli
