#include "cli/run.h"

#include <string>

#include "calendar/nanakshahi_date.h"
#include "cli/arguments.h"
#include "cli/dates.h"
#include "cli/help_text.h"
#include "cli/month_grid.h"
#include "cli/range_writer.h"
#include "cli/unicode_filter.h"
#include "cli/upcoming.h"
#include "gurmukhi/gurmukhi.h"

namespace tarnvel::cli {
namespace {

constexpr std::string_view Program = "nanakshahi: ";

std::string date_line(CivilDate d, Script script) {
    const NanakshahiFields f = nanakshahi_fields(d);
    switch (script) {
        case Script::English: return english_line(f);
        case Script::Gurmukhi: return gurmukhi::legacy_to_unicode(gurmukhi_line(f));
        case Script::Legacy: return gurmukhi_line(f);
    }
    return {};
}

bool uses_today(const Request& r) {
    return (r.mode == Mode::Lines && r.dates.empty()) || (r.mode == Mode::Month && !r.month) ||
           r.mode == Mode::Upcoming;
}

// Everything but --range and --unicode is small enough to build whole before writing.
std::string render(const Request& r, CivilDate today) {
    switch (r.mode) {
        case Mode::Help: return std::string(HelpText);
        case Mode::Version: return std::string(VersionText);
        case Mode::Upcoming: return format_upcoming(upcoming_events(today, r.count));
        case Mode::Month: {
            const NanakshahiFields f = nanakshahi_fields(today);
            const MonthRef m = r.month.value_or(MonthRef{f.year, f.month});
            return month_grid(m.year, m.month);
        }
        case Mode::Lines: {
            std::string text;
            if (r.dates.empty()) text = date_line(today, r.script) + '\n';
            for (const CivilDate d : r.dates) text += date_line(d, r.script) + '\n';
            return text;
        }
        case Mode::Range:
        case Mode::Unicode: break;
    }
    return {};
}

int write_failed(std::ostream& err) {
    err << Program << "cannot write to standard output\n";
    return ExitFailure;
}

}  // namespace

int run(std::span<const std::string_view> args, CivilDate today, std::istream& in, std::ostream& out,
        std::ostream& err) {
    const Parsed parsed = parse_arguments(args);
    if (!parsed.ok()) {
        err << Program << parsed.error << '\n';
        return ExitBadInput;
    }
    const Request& r = parsed.request;

    if (uses_today(r)) {
        if (!is_valid(today) || !in_calendar(today)) {
            err << Program << "today's date is outside " << iso_date(FirstDate) << " to " << iso_date(LastDate)
                << '\n';
            return ExitFailure;
        }
        const NanakshahiFields f = nanakshahi_fields(today);
        if (r.mode == Mode::Month && !month_in_calendar(f.year, f.month)) {
            err << Program << "this month runs past " << iso_date(LastDate) << '\n';
            return ExitFailure;
        }
    }

    if (r.mode == Mode::Range) {
        if (!write_range(out, r.from, r.to) || !out.flush()) return write_failed(err);
        return ExitOk;
    }
    if (r.mode == Mode::Unicode) {
        switch (convert_stream(in, out)) {
            case FilterStatus::Ok: return ExitOk;
            case FilterStatus::WriteError: return write_failed(err);
            case FilterStatus::ReadError:
                err << Program << "cannot read standard input\n";
                return ExitFailure;
        }
    }
    const std::string text = render(r, today);
    if (!out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) return write_failed(err);
    return ExitOk;
}

}  // namespace tarnvel::cli
