#include "cli/period.h"

#include <string>
#include <vector>

#include "calendar/nanakshahi_date.h"
#include "cli/arguments.h"
#include "cli/date_argument.h"
#include "cli/dates.h"
#include "cli/words.h"

namespace tarnvel::cli {
namespace {

// Numbers past nine digits are all far outside the calendar; they read as this.
constexpr int Huge = 999'999'999;

std::optional<int> number_word(std::string_view w) {
    if (!all_digits(w)) return std::nullopt;
    return w.size() > 9 ? Huge : bounded_number(w, 0, Huge);
}

std::string span_text() { return iso_date(FirstDate) + " to " + iso_date(LastDate); }

std::string nanakshahi_name(MonthRef m) {
    return std::string(NanakshahiMonths[static_cast<std::size_t>(m.month - 1)].english) + ", Sammat " +
           std::to_string(m.year);
}

std::string gregorian_name(int month, int year) {
    return std::string(gregorian_month_name(month)) + " " + std::to_string(year);
}

bool fits(const MonthsView& v) {
    MonthRef m = v.first;
    for (int i = 0; i < v.count; ++i, m = next_month(m))
        if (!month_in_calendar(m.year, m.month)) return false;
    return true;
}

MonthsView around(MonthRef centre, bool three) {
    return three ? MonthsView{previous_month(centre), 3, true} : MonthsView{centre, 1, false};
}

// The Nanakshahi months that cover Gregorian `month` of `year`: the one its first day lies in
// and the one that begins in it (with -3, the one after that too). Nothing outside 1..9999.
std::optional<MonthsView> covering(int month, int year, bool three) {
    if (year < 1 || year > 9999) return std::nullopt;
    const NanakshahiFields f = nanakshahi_fields(year, month, 1);
    return three ? MonthsView{{f.year, f.month}, 3, true} : MonthsView{{f.year, f.month}, 2, false};
}

bool gregorian_fits(int month, int year, bool three) {
    const auto v = covering(month, year, three);
    return v && fits(*v);
}

bool nanakshahi_fits(int month, int year, bool three) {
    return year >= 1 && year <= Huge && fits(around({year, month}, three));
}

ViewRead checked(MonthsView v, std::string what, Fault fault = Fault::BadInput) {
    if (fits(v)) return {v, {}};
    if (fault == Fault::Clock) return {{}, {fault, "the months shown run outside " + span_text()}};
    return {{}, {fault, "outside " + span_text() + ": " + what}};
}

ViewRead no_today() { return {{}, {Fault::Clock, clock_outside_calendar()}}; }

std::string unexpected(std::string_view w) { return "unexpected argument after --month: " + printable(w); }

// Two numbers: cal's MONTH YEAR, or refused with what else they could mean.
ViewRead two_numbers(std::string_view a_text, std::string_view b_text, int a, int b, bool three) {
    const bool a_month = a >= 1 && a <= 12, b_month = b >= 1 && b <= 12;
    if (a_month && gregorian_fits(a, b, three)) return {*covering(a, b, three), {}};

    std::vector<std::string> outside, hints;
    const auto gregorian = [&](int month, int year) {
        if (gregorian_fits(month, year, three))
            hints.push_back("for " + gregorian_name(month, year) + " write --month " + std::to_string(month) + " " +
                            std::to_string(year));
        else
            outside.push_back(gregorian_name(month, year));
    };
    const auto nanakshahi = [&](int month, int year) {
        if (nanakshahi_fits(month, year, three))
            hints.push_back("for " + nanakshahi_name({year, month}) + " write --month " +
                            std::string(NanakshahiMonths[static_cast<std::size_t>(month - 1)].english) + " " +
                            std::to_string(year));
    };
    if (a_month) gregorian(a, b);
    if (b_month && a != b) gregorian(b, a);
    if (b_month) nanakshahi(b, a);
    if (a_month) nanakshahi(a, b);

    const std::string typed = std::string(a_text) + " " + std::string(b_text);
    if (hints.empty()) {
        if (a_month) return {{}, bad_input("outside " + span_text() + ": the Nanakshahi months of " + outside.front())};
        return {{}, bad_input("not a month (MONTH YEAR as cal takes them, a month name and YEAR, or YYYY-MM): " +
                              printable(typed))};
    }
    std::string message = "--month " + printable(typed) + " is ambiguous: ";
    for (std::size_t i = 0; i < outside.size(); ++i) message += (i ? " and " : "") + outside[i];
    if (!outside.empty()) message += (outside.size() == 1 ? " runs" : " run") + std::string(" outside the calendar; ");
    for (std::size_t i = 0; i < hints.size(); ++i) message += (i ? "; " : "") + hints[i];
    return {{}, bad_input(message)};
}

// YYYY-MM: a Gregorian month.
std::optional<std::pair<int, int>> iso_month(std::string_view w) {
    if (w.size() != 7 || w[4] != '-') return std::nullopt;
    const auto y = bounded_number(w.substr(0, 4), 0, 9999);
    const auto m = bounded_number(w.substr(5, 2), 1, 12);
    if (!y || !m) return std::nullopt;
    return std::pair{*m, *y};
}

}  // namespace

ViewRead read_month_view(std::span<const std::string_view> words, bool three, std::optional<CivilDate> today) {
    if (words.empty()) {
        if (!today) return no_today();
        const NanakshahiFields f = nanakshahi_fields(*today);
        return checked(around({f.year, f.month}, three), {}, Fault::Clock);
    }
    std::size_t at = 1;
    if (const auto month = nanakshahi_month_named(words[0])) {
        if (at < words.size() && same_ignoring_case(words[at], "sammat")) ++at;
        std::optional<int> year;
        if (at < words.size() && (year = number_word(words[at]))) {
            ++at;
            if (at < words.size() && same_ignoring_case(words[at], "nanakshahi")) ++at;
        } else if (at > 1) {
            return {{}, bad_input("--month needs a YEAR after Sammat: " + printable(join_words(words)))};
        } else {
            if (!today) return no_today();
            year = nanakshahi_fields(*today).year;
        }
        if (at < words.size()) return {{}, bad_input(unexpected(words[at]))};
        const MonthRef m{*year, *month};
        if (*year < 1) return {{}, bad_input("outside " + span_text() + ": " + nanakshahi_name(m))};
        return checked(around(m, three), three ? "the months around " + nanakshahi_name(m) : nanakshahi_name(m));
    }
    std::optional<std::pair<int, int>> gregorian;  // month, year
    if (const auto month = gregorian_month_named(words[0])) {
        std::optional<int> year;
        if (at < words.size() && (year = number_word(words[at]))) {
            ++at;
        } else {
            if (!today) return no_today();
            year = today->year;
        }
        gregorian = std::pair{*month, *year};
    } else if (const auto iso = iso_month(words[0])) {
        gregorian = iso;
    }
    if (gregorian) {
        if (at < words.size()) return {{}, bad_input(unexpected(words[at]))};
        const auto [month, year] = *gregorian;
        const auto v = covering(month, year, three);
        const std::string what = "the Nanakshahi months of " + gregorian_name(month, year);
        if (!v) return {{}, bad_input("outside " + span_text() + ": " + what)};
        return checked(*v, what);
    }
    const auto a = number_word(words[0]);
    const auto b = words.size() > 1 ? number_word(words[1]) : std::nullopt;
    if (a && words.size() == 1)
        return {{}, bad_input("--month needs a MONTH and a YEAR (--month 3 2027), or a Nanakshahi month by name "
                              "(--month Vaisakh 559): " + printable(words[0]))};
    if (a && b) {
        if (words.size() > 2) return {{}, bad_input(unexpected(words[2]))};
        return two_numbers(words[0], words[1], *a, *b, three);
    }
    return {{}, bad_input("not a month (MONTH YEAR as cal takes them, a month name and YEAR, or YYYY-MM): " +
                          printable(join_words(words)))};
}

ViewRead read_year_view(std::span<const std::string_view> words, std::optional<CivilDate> today) {
    const auto nanakshahi_year = [](int year) { return MonthsView{{year, 1}, 12, true, true, 0}; };
    if (words.empty()) {
        if (!today) return no_today();
        return checked(nanakshahi_year(nanakshahi_fields(*today).year), {}, Fault::Clock);
    }
    const std::string typed = join_words(words);
    std::size_t at = 0;
    const bool sammat = same_ignoring_case(words[0], "sammat");
    if (sammat) ++at;
    const auto year = at < words.size() ? number_word(words[at]) : std::nullopt;
    if (!year) return {{}, bad_input("not a year (YEAR, or Sammat YEAR for a Nanakshahi year): " + printable(typed))};
    ++at;
    if (sammat && at < words.size() && same_ignoring_case(words[at], "nanakshahi")) ++at;
    if (at < words.size()) return {{}, bad_input("unexpected argument after --year: " + printable(words[at]))};

    if (sammat) {
        const std::string what = "Sammat " + std::to_string(*year);
        if (*year < 1) return {{}, bad_input("outside " + span_text() + ": " + what)};
        return checked(nanakshahi_year(*year), what);
    }
    const std::string what = "the Nanakshahi months of " + std::to_string(*year);
    if (*year >= 1 && *year <= 9999) {
        const NanakshahiFields f = nanakshahi_fields(*year, 1, 1);
        const MonthsView v{{f.year, f.month}, 13, true, true, *year};
        if (fits(v)) return {v, {}};
    }
    if (*year >= 1 && fits(nanakshahi_year(*year)))
        return {{}, bad_input("--year " + printable(typed) + " is ambiguous: the Gregorian year " + std::to_string(*year) +
                              " runs outside the calendar; for Sammat " + std::to_string(*year) +
                              " write --year Sammat " + std::to_string(*year))};
    return {{}, bad_input("outside " + span_text() + ": " + what)};
}

}  // namespace tarnvel::cli
