#include "cli/date_argument.h"

#include "calendar/nanakshahi_date.h"
#include "cli/arguments.h"
#include "cli/dates.h"
#include "cli/words.h"

namespace tarnvel::cli {
namespace {

std::string iso_problem(DateProblem p, std::string_view text) {
    switch (p) {
        case DateProblem::None: break;
        case DateProblem::NotADate: return not_a_date(text);
        case DateProblem::Impossible: return "not a valid date: " + printable(text);
        case DateProblem::BeforeFirst:
            return "date before the first day of the calendar (" + iso_date(FirstDate) + "): " + printable(text);
        case DateProblem::AfterLast:
            return "date after the last day the command handles (" + iso_date(LastDate) + "): " + printable(text);
    }
    return {};
}

DateRead failed(std::string message) { return {{}, false, bad_input(std::move(message))}; }

DateRead from_today(std::optional<CivilDate> today, int offset) {
    if (!today) return {{}, false, {Fault::Clock, clock_outside_calendar()}};
    const CivilDate d = civil_from_days(days_from_civil(*today) + offset);
    if (!in_calendar(d))
        return failed((offset < 0 ? "yesterday is before the first day of the calendar (" + iso_date(FirstDate)
                                  : "tomorrow is after the last day the command handles (" + iso_date(LastDate)) +
                      ")");
    return {d, false, {}};
}

std::string month_list() {
    std::string s;
    for (const NanakshahiMonthInfo& m : NanakshahiMonths) {
        if (!s.empty()) s += ", ";
        s += m.english;
    }
    return s;
}

// DAY MONTH [Sammat] [YEAR [Nanakshahi]], from words[at], which is all digits.
DateRead nanakshahi_day(std::span<const std::string_view> words, std::size_t& at, std::optional<CivilDate> today) {
    const std::size_t start = at++;
    const auto phrase = [&] { return join_words(words.subspan(start, at - start)); };
    if (at == words.size()) return failed(not_a_date(phrase()));
    const auto month = nanakshahi_month_named(words[at]);
    if (!month) return failed("not a Nanakshahi month (" + month_list() + "): " + printable(words[at]));
    ++at;
    const bool sammat = at < words.size() && same_ignoring_case(words[at], "sammat");
    if (sammat) ++at;
    std::optional<int> year;
    if (at < words.size() && all_digits(words[at])) {
        // Nine digits at most keep the number in range; such years are all past the calendar.
        year = words[at].size() > 9 ? 999'999'999 : *bounded_number(words[at], 0, 999'999'999);
        ++at;
        if (at < words.size() && same_ignoring_case(words[at], "nanakshahi")) ++at;
    } else if (sammat) {
        return failed(not_a_date(phrase()));
    }
    const std::string text = phrase();
    if (!year) {
        if (!today) return {{}, false, {Fault::Clock, clock_outside_calendar()}};
        year = nanakshahi_fields(*today).year;
    }
    const auto day = words[start].size() > 2 ? std::nullopt : bounded_number(words[start], 1, 31);
    const std::string_view name = NanakshahiMonths[static_cast<std::size_t>(*month - 1)].english;
    if (!day || *day > month_length(*year, *month)) {
        std::string why = std::string(name);
        if (*month == 12) why += " of Sammat " + std::to_string(*year);
        return failed("no such day: " + printable(text) + " (" + why + " has " +
                      std::to_string(month_length(*year, *month)) + " days)");
    }
    const auto g = gregorian_date(*year, *month, *day);
    if (g && in_calendar(*g)) return {*g, true, {}};
    if (*year < 1)
        return failed("date before the first day of the calendar (" + iso_date(FirstDate) + "): " + printable(text));
    return failed("date after the last day the command handles (" + iso_date(LastDate) + "): " + printable(text));
}

}  // namespace

std::string not_a_date(std::string_view text) {
    return "not a date (YYYY-MM-DD, today, tomorrow, yesterday or a day such as 1 Vaisakh 559): " + printable(text);
}

std::string clock_outside_calendar() {
    return "today's date is outside " + iso_date(FirstDate) + " to " + iso_date(LastDate);
}

DateRead read_date(std::span<const std::string_view> words, std::size_t& at, std::optional<CivilDate> today) {
    const std::string_view w = words[at];
    if (all_digits(w) && w.size() <= 9) return nanakshahi_day(words, at, today);
    ++at;
    if (same_ignoring_case(w, "today")) return from_today(today, 0);
    if (same_ignoring_case(w, "tomorrow")) return from_today(today, 1);
    if (same_ignoring_case(w, "yesterday")) return from_today(today, -1);
    const DateParse p = parse_iso_date(w);
    if (p.problem != DateProblem::None) return failed(iso_problem(p.problem, w));
    return {p.date, false, {}};
}

DateRead read_one_date(std::string_view text, std::optional<CivilDate> today) {
    const std::vector<std::string_view> words = split_words(text);
    if (words.empty()) return failed(not_a_date(text));
    std::size_t at = 0;
    DateRead r = read_date(words, at, today);
    if (!r.problem && at != words.size()) return failed(not_a_date(text));
    return r;
}

}  // namespace tarnvel::cli
