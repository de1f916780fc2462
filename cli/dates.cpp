#include "cli/dates.h"

namespace tarnvel::cli {
namespace {

constexpr bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

// All of `s` as a decimal number; false when empty or when anything is not a digit.
bool digits_value(std::string_view s, long long& value) noexcept {
    if (s.empty()) return false;
    value = 0;
    for (char c : s) {
        if (!is_digit(c)) return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

char* put_two(char* out, int n) noexcept {
    out[0] = static_cast<char>('0' + n / 10);
    out[1] = static_cast<char>('0' + n % 10);
    return out + 2;
}

}  // namespace

DateParse parse_iso_date(std::string_view text) noexcept {
    // Nine year digits at most keep the arithmetic in range; such years are all past 9999.
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos || dash < 4 || dash > 9 || text.size() != dash + 6 || text[dash + 3] != '-')
        return {{}, DateProblem::NotADate};
    long long y = 0, m = 0, d = 0;
    if (!digits_value(text.substr(0, dash), y) || !digits_value(text.substr(dash + 1, 2), m) ||
        !digits_value(text.substr(dash + 4, 2), d))
        return {{}, DateProblem::NotADate};
    if (dash > 4 && text[0] == '0') return {{}, DateProblem::NotADate};

    const CivilDate date{static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
    if (m < 1 || m > 12 || d < 1 || d > days_in_month(date.year, date.month)) return {date, DateProblem::Impossible};
    if (y > LastDate.year) return {date, DateProblem::AfterLast};
    if (!in_calendar(date)) return {date, DateProblem::BeforeFirst};
    return {date, DateProblem::None};
}

char* put_iso_date(char* out, CivilDate d) noexcept {
    out = put_two(out, d.year / 100);
    out = put_two(out, d.year % 100);
    *out++ = '-';
    out = put_two(out, d.month);
    *out++ = '-';
    return put_two(out, d.day);
}

std::string iso_date(CivilDate d) {
    char buf[10];
    return {buf, put_iso_date(buf, d)};
}

}  // namespace tarnvel::cli
