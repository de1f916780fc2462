#include "cli/arguments.h"

#include <utility>

#include "calendar/nanakshahi_date.h"
#include "cli/date_argument.h"
#include "cli/dates.h"
#include "cli/words.h"

namespace tarnvel::cli {
namespace {

std::string option_name(Mode m) {
    switch (m) {
        case Mode::Lines: return "DATE";
        case Mode::Unicode: return "--unicode";
        case Mode::Range: return "--range";
        case Mode::Month: return "--month";
        case Mode::Year: return "--year";
        case Mode::Upcoming: return "--upcoming";
        case Mode::Ics: return "--ics";
        case Mode::Help: return "--help";
        case Mode::Version: return "--version";
    }
    return {};
}

std::string script_name(Script s) { return s == Script::Gurmukhi ? "--gurmukhi" : "--legacy"; }

bool is_option(std::string_view a) { return a.size() > 1 && a.front() == '-'; }

class Parser {
public:
    Parser(std::span<const std::string_view> args, std::optional<CivilDate> today) : args_(args), today_(today) {}

    Parsed parse() {
        for (i_ = 0; i_ < args_.size() && !out_.problem; ++i_) step(args_[i_]);
        if (!out_.problem) finish();
        return std::move(out_);
    }

private:
    void fail(std::string message) { fail(bad_input(std::move(message))); }
    void fail(Problem p) {
        if (!out_.problem) out_.problem = std::move(p);
    }

    // The value given after '=', else the next argument if it exists and is not an option.
    std::optional<std::string_view> value() {
        if (inline_value_) return std::exchange(inline_value_, std::nullopt);
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

    void set_flag(bool& flag, std::string_view spelled) {
        if (flag) return fail("option given twice: " + std::string(spelled));
        flag = true;
    }

    std::optional<CivilDate> date(std::string_view text) {
        DateRead d = read_one_date(text, today_);
        if (d.problem) {
            fail(std::move(d.problem));
            return std::nullopt;
        }
        return d.date;
    }

    void step(std::string_view a) {
        if (options_ended_ || !is_option(a)) {
            positional_.push_back(a);
            return;
        }
        if (a == "--") {
            options_ended_ = true;
            return;
        }
        std::string_view name = a;
        if (const std::size_t eq = a.find('='); a.starts_with("--") && eq != std::string_view::npos) {
            name = a.substr(0, eq);
            inline_value_ = a.substr(eq + 1);
        }
        const bool takes_value = name == "--range" || name == "--ics" || name == "--upcoming" || name == "--month" ||
                                 name == "--year";
        if (inline_value_ && !takes_value && known(name))
            return fail("option takes no value: " + printable(a));
        option(name, a);
        if (inline_value_) {
            // --month=Vaisakh and --year=2027 give the first word of what follows.
            positional_.push_back(*inline_value_);
            inline_value_.reset();
        }
    }

    static bool known(std::string_view n) {
        for (std::string_view k : {"--help", "-h", "--version", "-V", "--gurmukhi", "--legacy", "--unicode", "--json",
                                   "--anniversaries", "-3", "--range", "--ics", "--upcoming", "--month", "--year", "-y"})
            if (n == k) return true;
        return false;
    }

    void option(std::string_view name, std::string_view spelled) {
        if (name == "--help" || name == "-h") return set_mode(Mode::Help, name);
        if (name == "--version" || name == "-V") return set_mode(Mode::Version, name);
        if (name == "--gurmukhi") return set_script(Script::Gurmukhi);
        if (name == "--legacy") return set_script(Script::Legacy);
        if (name == "--unicode") return set_mode(Mode::Unicode, name);
        if (name == "--json") return set_flag(out_.request.json, name);
        if (name == "--anniversaries") return set_flag(out_.request.anniversaries, name);
        if (name == "-3") return set_flag(three_, name);
        if (name == "--range") return span(Mode::Range, name);
        if (name == "--ics") return span(Mode::Ics, name);
        if (name == "--month") return set_mode(Mode::Month, name);
        if (name == "--year" || name == "-y") return set_mode(Mode::Year, name);
        if (name == "--upcoming") return upcoming();
        fail("unknown option: " + printable(spelled) + " (see nanakshahi --help)");
    }

    // --range and --ics: FROM TO.
    void span(Mode m, std::string_view name) {
        set_mode(m, name);
        const auto from_text = value();
        const auto to_text = value();
        if (!from_text || !to_text) return fail(std::string(name) + " needs two dates, FROM and TO");
        const auto from = date(*from_text);
        const auto to = date(*to_text);
        if (!from || !to) return;
        if (days_from_civil(*to) < days_from_civil(*from))
            return fail("range ends before it begins: " + printable(*from_text) + " " + printable(*to_text));
        out_.request.from = *from;
        out_.request.to = *to;
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
        if (three_) {
            if (!mode_set_) r.mode = Mode::Month;
            if (r.mode != Mode::Month) return fail(option_name(r.mode) + " and -3 cannot be used together");
        }
        const bool takes_words = r.mode == Mode::Lines || r.mode == Mode::Month || r.mode == Mode::Year;
        if (!positional_.empty() && !takes_words)
            return fail("unexpected argument after " + option_name(r.mode) + ": " + printable(positional_.front()));
        const bool scripted = r.mode == Mode::Lines || r.mode == Mode::Range || r.mode == Mode::Month ||
                              r.mode == Mode::Year || r.mode == Mode::Upcoming;
        if (script_set_ && !scripted)
            return fail(option_name(r.mode) + " and " + script_name(r.script) + " cannot be used together");
        if (r.json && r.mode != Mode::Lines && r.mode != Mode::Range && r.mode != Mode::Upcoming)
            return fail(option_name(r.mode) + " and --json cannot be used together");
        if (r.json && script_set_)
            return fail("--json and " + script_name(r.script) +
                        " cannot be used together (the JSON has the names in English and in Gurmukhi)");
        if (r.anniversaries && r.mode != Mode::Ics) return fail("--anniversaries goes with --ics only");

        // The words of the arguments, in runs: an argument of several words is a run of its own,
        // and arguments of one word each make one run together ("1 Chet" "1 Vaisakh" are two
        // dates, 1 Vaisakh 559 unquoted is one).
        std::vector<std::string_view> words;
        std::vector<std::size_t> run_ends;
        for (const std::string_view text : positional_) {
            const std::vector<std::string_view> w = split_words(text);
            if (w.empty()) return fail(r.mode == Mode::Lines ? not_a_date(text) : "not a word: " + printable(text));
            if (w.size() > 1 && !words.empty()) run_ends.push_back(words.size());
            words.insert(words.end(), w.begin(), w.end());
            if (w.size() > 1) run_ends.push_back(words.size());
        }
        if (run_ends.empty() || run_ends.back() != words.size()) run_ends.push_back(words.size());
        switch (r.mode) {
            case Mode::Lines: return dates(words, run_ends);
            case Mode::Month: return view(read_month_view(words, three_, today_));
            case Mode::Year: return view(read_year_view(words, today_));
            case Mode::Upcoming:
                if (!today_) return fail(Problem{Fault::Clock, clock_outside_calendar()});
                return;
            default: return;
        }
    }

    void dates(std::span<const std::string_view> words, std::span<const std::size_t> run_ends) {
        if (words.empty()) {
            if (!today_) return fail(Problem{Fault::Clock, clock_outside_calendar()});
            out_.request.dates.push_back({*today_, false});
            return;
        }
        std::size_t start = 0;
        for (const std::size_t end : run_ends) {
            const auto run = words.subspan(start, end - start);
            for (std::size_t at = 0; at < run.size();) {
                DateRead d = read_date(run, at, today_);
                if (d.problem) return fail(std::move(d.problem));
                out_.request.dates.push_back({d.date, d.nanakshahi});
            }
            start = end;
        }
    }

    void view(ViewRead v) {
        if (v.problem) return fail(std::move(v.problem));
        out_.request.view = v.view;
    }

    std::span<const std::string_view> args_;
    std::optional<CivilDate> today_;
    std::size_t i_ = 0;
    Parsed out_;
    bool mode_set_ = false;
    bool script_set_ = false;
    bool three_ = false;
    bool options_ended_ = false;
    std::optional<std::string_view> inline_value_;
    std::vector<std::string_view> positional_;  // dates or the words of a month or year
};

}  // namespace

Parsed parse_arguments(std::span<const std::string_view> args, std::optional<CivilDate> today) {
    return Parser(args, today).parse();
}

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
