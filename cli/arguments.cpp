#include "cli/arguments.h"

#include <charconv>

#include "cli/dates.h"

namespace tarnvel::cli {
namespace {

std::string option_name(Mode m) {
    switch (m) {
        case Mode::Lines: return "DATE";
        case Mode::Unicode: return "--unicode";
        case Mode::Range: return "--range";
        case Mode::Month: return "--month";
        case Mode::Upcoming: return "--upcoming";
        case Mode::Help: return "--help";
        case Mode::Version: return "--version";
    }
    return {};
}

std::string script_name(Script s) { return s == Script::Gurmukhi ? "--gurmukhi" : "--legacy"; }

std::string date_error(DateProblem p, std::string_view text) {
    switch (p) {
        case DateProblem::None: break;
        case DateProblem::NotADate: return "not a date (expected YYYY-MM-DD): " + printable(text);
        case DateProblem::Impossible: return "not a valid date: " + printable(text);
        case DateProblem::BeforeFirst:
            return "date before the first day of the calendar (" + iso_date(FirstDate) + "): " + printable(text);
        case DateProblem::AfterLast:
            return "date after the last day the command handles (" + iso_date(LastDate) + "): " + printable(text);
    }
    return {};
}

// A plain decimal number from lo to hi: digits only, no sign.
std::optional<int> bounded_number(std::string_view text, int lo, int hi) {
    int n = 0;
    if (text.empty() || text.front() == '+' || text.front() == '-') return std::nullopt;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || n < lo || n > hi) return std::nullopt;
    return n;
}

bool is_option(std::string_view a) { return a.size() > 1 && a.front() == '-'; }

class Parser {
public:
    explicit Parser(std::span<const std::string_view> args) : args_(args) {}

    Parsed parse() {
        for (i_ = 0; i_ < args_.size() && out_.error.empty(); ++i_) step(args_[i_]);
        if (out_.error.empty()) finish();
        return std::move(out_);
    }

private:
    void fail(std::string message) {
        if (out_.error.empty()) out_.error = std::move(message);
    }

    // The next argument if it exists and is not an option.
    std::optional<std::string_view> value() {
        if (i_ + 1 < args_.size() && !args_[i_ + 1].starts_with("--")) return args_[++i_];
        return std::nullopt;
    }

    void set_mode(Mode m, std::string_view spelled) {
        if (mode_set_ && out_.request.mode != m)
            return fail(option_name(out_.request.mode) + " and " + std::string(spelled) + " cannot be used together");
        if (mode_set_) return fail("option given twice: " + std::string(spelled));
        mode_set_ = true;
        out_.request.mode = m;
    }

    void set_script(Script s) {
        if (script_set_ && out_.request.script != s)
            return fail(script_name(out_.request.script) + " and " + script_name(s) + " cannot be used together");
        script_set_ = true;
        out_.request.script = s;
    }

    std::optional<CivilDate> date(std::string_view text) {
        const DateParse p = parse_iso_date(text);
        if (p.problem != DateProblem::None) {
            fail(date_error(p.problem, text));
            return std::nullopt;
        }
        return p.date;
    }

    void step(std::string_view a) {
        if (a == "--help" || a == "-h") return set_mode(Mode::Help, a);
        if (a == "--version") return set_mode(Mode::Version, a);
        if (a == "--gurmukhi") return set_script(Script::Gurmukhi);
        if (a == "--legacy") return set_script(Script::Legacy);
        if (a == "--unicode") return set_mode(Mode::Unicode, a);
        if (a == "--range") return range();
        if (a == "--month") return month();
        if (a == "--upcoming") return upcoming();
        if (is_option(a)) return fail("unknown option: " + printable(a) + " (see nanakshahi --help)");
        positional_.push_back(a);
    }

    void range() {
        set_mode(Mode::Range, "--range");
        const auto from_text = value();
        const auto to_text = value();
        if (!from_text || !to_text) return fail("--range needs two dates, FROM and TO");
        const auto from = date(*from_text);
        const auto to = date(*to_text);
        if (!from || !to) return;
        if (days_from_civil(*to) < days_from_civil(*from))
            return fail("range ends before it begins: " + printable(*from_text) + " " + printable(*to_text));
        out_.request.from = *from;
        out_.request.to = *to;
    }

    void month() {
        set_mode(Mode::Month, "--month");
        const auto year_text = value();
        if (!year_text) return;
        const auto month_text = value();
        if (!month_text) return fail("--month needs a MONTH (1-12) after the YEAR: " + printable(*year_text));
        constexpr int last_year = nanakshahi_fields(LastDate).year;
        const auto year = bounded_number(*year_text, 1, last_year);
        if (!year)
            return fail("not a Nanakshahi year from 1 to " + std::to_string(last_year) + ": " + printable(*year_text));
        const auto month = bounded_number(*month_text, 1, 12);
        if (!month) return fail("not a month number from 1 to 12: " + printable(*month_text));
        if (!month_in_calendar(*year, *month))
            return fail("month outside " + iso_date(FirstDate) + " to " + iso_date(LastDate) + ": " +
                        printable(*year_text) + " " + printable(*month_text));
        out_.request.month = MonthRef{*year, *month};
    }

    void upcoming() {
        set_mode(Mode::Upcoming, "--upcoming");
        const auto n_text = value();
        if (!n_text) return;
        const auto n = bounded_number(*n_text, 1, MaxUpcoming);
        if (!n) return fail("not a count from 1 to " + std::to_string(MaxUpcoming) + ": " + printable(*n_text));
        out_.request.count = *n;
    }

    void finish() {
        Request& r = out_.request;
        if (!positional_.empty() && r.mode != Mode::Lines)
            return fail("unexpected argument after " + option_name(r.mode) + ": " + printable(positional_.front()));
        if (script_set_ && r.mode != Mode::Lines)
            return fail(option_name(r.mode) + " and " + script_name(r.script) + " cannot be used together");
        for (const std::string_view text : positional_) {
            const auto d = date(text);
            if (!d) return;
            r.dates.push_back(*d);
        }
    }

    std::span<const std::string_view> args_;
    std::size_t i_ = 0;
    Parsed out_;
    bool mode_set_ = false;
    bool script_set_ = false;
    std::vector<std::string_view> positional_;  // DATE arguments, checked once the mode is known
};

}  // namespace

Parsed parse_arguments(std::span<const std::string_view> args) { return Parser(args).parse(); }

std::string printable(std::string_view value) {
    if (value.empty()) return "\"\"";
    std::string s;
    s.reserve(value.size());
    for (const char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            s += "\\n";
        } else if (c == '\t') {
            s += "\\t";
        } else if (u < 0x20 || u == 0x7f) {
            constexpr char hex[] = "0123456789abcdef";
            s += "\\x";
            s += hex[u >> 4];
            s += hex[u & 15];
        } else {
            s += c;
        }
    }
    return s;
}

}  // namespace tarnvel::cli
