#include "cli/run.h"

#include <string>

#include "calendar/nanakshahi_date.h"
#include "cli/arguments.h"
#include "cli/calendar_view.h"
#include "cli/dates.h"
#include "cli/help_text.h"
#include "cli/ics_writer.h"
#include "cli/json_output.h"
#include "cli/range_writer.h"
#include "cli/unicode_filter.h"
#include "cli/upcoming.h"

namespace tarnvel::cli {
namespace {

constexpr std::string_view Program = "nanakshahi: ";

std::string lines(const Request& r) {
    if (r.json) {
        std::vector<CivilDate> dates;
        for (const DateArgument& d : r.dates) dates.push_back(d.date);
        return json_days(dates);
    }
    const ScriptText& text = script_text(r.script);
    std::string out;
    for (const DateArgument& d : r.dates) {
        if (d.nanakshahi)
            out += iso_date(d.date);
        else
            text.append_line(out, nanakshahi_fields(d.date));
        out += '\n';
    }
    return out;
}

// Everything but the streamed views is small enough to build whole before writing.
std::string render(const Request& r, const Context& c) {
    switch (r.mode) {
        case Mode::Help: return std::string(HelpText);
        case Mode::Version: return std::string(VersionText);
        case Mode::Upcoming: {
            const auto events = upcoming_events(c.today, r.count);
            return r.json ? json_upcoming(events) : format_upcoming(events, r.script);
        }
        case Mode::Month:
        case Mode::Year: {
            ViewStyle style{r.script, std::nullopt};
            if (c.mark_today) style.marked = c.today;
            return calendar_view(r.view, style);
        }
        case Mode::Lines: return lines(r);
        case Mode::Range:
        case Mode::Ics:
        case Mode::Unicode: break;
    }
    return {};
}

int write_failed(std::ostream& err) {
    err << Program << "cannot write to standard output\n";
    return ExitFailure;
}

}  // namespace

int run(std::span<const std::string_view> args, const Context& context, std::istream& in, std::ostream& out,
        std::ostream& err) {
    const std::optional<CivilDate> today =
        is_valid(context.today) && in_calendar(context.today) ? std::optional(context.today) : std::nullopt;
    const Parsed parsed = parse_arguments(args, today);
    if (!parsed.ok()) {
        err << Program << parsed.problem.message << '\n';
        return parsed.problem.fault == Fault::Clock ? ExitFailure : ExitBadInput;
    }
    const Request& r = parsed.request;

    if (r.mode == Mode::Range) {
        const bool ok = r.json ? write_json_range(out, r.from, r.to) : write_range(out, r.from, r.to, r.script);
        if (!ok || !out.flush()) return write_failed(err);
        return ExitOk;
    }
    if (r.mode == Mode::Ics) {
        if (!write_ics(out, {r.from, r.to, r.anniversaries, context.now})) return write_failed(err);
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
    const std::string text = render(r, context);
    if (!out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) return write_failed(err);
    return ExitOk;
}

}  // namespace tarnvel::cli
