// libFuzzer target for the command line: the input is an argument list, split at NUL bytes.
// Each list is parsed with a usable and with an unusable local date, the request checked
// against its ranges, and, where the output is small, the whole command run into strings:
// a refusal has its one-line message and no output, an accepted request writes no error.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/nanakshahi_date.h"
#include "cli/arguments.h"
#include "cli/dates.h"
#include "cli/run.h"

namespace {

using namespace tarnvel;
using namespace tarnvel::cli;

void check(bool ok) {
    if (!ok) std::abort();
}

void check_request(const Request& r) {
    const bool scripted = r.mode == Mode::Lines || r.mode == Mode::Range || r.mode == Mode::Month ||
                          r.mode == Mode::Year || r.mode == Mode::Upcoming;
    check(r.script == Script::English || scripted);
    check(!r.json || r.mode == Mode::Lines || r.mode == Mode::Range || r.mode == Mode::Upcoming);
    check(!r.json || r.script == Script::English);
    check(!r.anniversaries || r.mode == Mode::Ics);
    switch (r.mode) {
        case Mode::Lines:
            check(!r.dates.empty());
            for (const DateArgument& d : r.dates) check(is_valid(d.date) && in_calendar(d.date));
            break;
        case Mode::Range:
        case Mode::Ics:
            check(in_calendar(r.from) && in_calendar(r.to) && days_from_civil(r.from) <= days_from_civil(r.to));
            break;
        case Mode::Month:
        case Mode::Year: {
            const MonthsView& v = r.view;
            check(v.count == 1 || v.count == 2 || v.count == 3 || v.count == 12 || v.count == 13);
            check(v.compact == (v.count == 3 || v.year));
            check(v.year == (r.mode == Mode::Year));
            MonthRef m = v.first;
            for (int i = 0; i < v.count; ++i, m = next_month(m)) check(month_in_calendar(m.year, m.month));
            break;
        }
        case Mode::Upcoming: check(r.count >= 1 && r.count <= MaxUpcoming); break;
        case Mode::Unicode:
        case Mode::Help:
        case Mode::Version: break;
    }
}

// Whether running the request writes little enough to be done for every input.
bool cheap(const Request& r) {
    const auto days = days_from_civil(r.to) - days_from_civil(r.from);
    if (r.mode == Mode::Range) return days <= 400;
    if (r.mode == Mode::Ics) return days <= (r.anniversaries ? 800 : 4000);
    return true;
}

std::size_t lines(const std::string& s) {
    std::size_t n = 0;
    for (const char c : s) n += c == '\n';
    return n;
}

void one(const std::vector<std::string_view>& args, CivilDate today) {
    const std::optional<CivilDate> usable = in_calendar(today) ? std::optional(today) : std::nullopt;
    const Parsed p = parse_arguments(args, usable);
    if (p.ok()) {
        check(p.problem.message.empty());
        check_request(p.request);
    } else {
        check(!p.problem.message.empty() && p.problem.message.find('\n') == std::string::npos);
        // The clock is at fault when today is unusable, or when the months around it run out.
        check(p.problem.fault == Fault::BadInput ||
              (p.problem.fault == Fault::Clock && (!usable || p.problem.message.starts_with("the months shown"))));
    }
    if (p.ok() && !cheap(p.request)) return;

    std::istringstream in;
    std::ostringstream out, err;
    const int status = run(args, Context{today, 1796472000, true}, in, out, err);
    if (!p.ok()) {
        check(status == (p.problem.fault == Fault::Clock ? ExitFailure : ExitBadInput));
        check(out.str().empty());
        check(err.str() == "nanakshahi: " + p.problem.message + "\n" && lines(err.str()) == 1);
    } else {
        check(status == ExitOk);
        check(err.str().empty());
        // Only --unicode of no input, and the coming events once the calendar has run out, are empty.
        check(!out.str().empty() || p.request.mode == Mode::Unicode || p.request.mode == Mode::Upcoming);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) return 0;
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    if (!input.empty()) {
        for (std::size_t start = 0;;) {
            const std::size_t end = input.find('\0', start);
            args.push_back(std::string_view(input).substr(start, end == std::string::npos ? end : end - start));
            if (end == std::string::npos || args.size() == 64) break;
            start = end + 1;
        }
    }
    one(args, {2026, 12, 5});
    one(args, {9999, 12, 31});  // tomorrow and the months after this one are outside
    one(args, {1400, 1, 1});    // a local date outside the calendar
    return 0;
}
