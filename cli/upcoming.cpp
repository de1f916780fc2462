#include "cli/upcoming.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "calendar/event_finder.h"
#include "calendar/nanakshahi_date.h"
#include "cli/dates.h"

namespace tarnvel::cli {
namespace {

constexpr std::array<std::string_view, 7> WeekdayAbbrev{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

struct Fixed {
    int month;
    int day;
    const Observance* observance;  // none for the New Year
};

// The New Year and the observances, ordered by their place in the Gregorian year.
std::vector<Fixed> fixed_days() {
    std::vector<Fixed> days{{NanakshahiEpoch.month, NanakshahiEpoch.day, nullptr}};
    for (const Observance& o : Observances) days.push_back({o.month, o.day, &o});
    std::stable_sort(days.begin(), days.end(),
                     [](const Fixed& a, const Fixed& b) { return a.month != b.month ? a.month < b.month : a.day < b.day; });
    return days;
}

std::string remaining(std::int64_t days) {
    if (days == 0) return "today";
    return std::to_string(days) + (days == 1 ? " day" : " days");
}

std::string event_name(CivilDate d, const Observance* o, const ScriptText& text) {
    if (o != nullptr) return text.observance(*o);
    return std::string(text.new_year()) + ", " + text.line(nanakshahi_fields(d));
}

}  // namespace

std::vector<UpcomingEvent> upcoming_events(CivilDate today, int count) {
    const std::vector<Fixed> days = fixed_days();
    const std::int64_t start = days_from_civil(today);
    std::vector<UpcomingEvent> events;
    for (int y = today.year; y <= LastDate.year && std::ssize(events) < count; ++y) {
        for (const Fixed& f : days) {
            const CivilDate d{y, f.month, f.day};
            if (!is_valid(d) || days_from_civil(d) < start) continue;
            events.push_back({d, event_name(d, f.observance, script_text(Script::English)),
                              days_from_civil(d) - start, f.observance});
            if (std::ssize(events) == count) break;
        }
    }
    return events;
}

std::string format_upcoming(const std::vector<UpcomingEvent>& events, Script script) {
    std::size_t width = 0;
    for (const UpcomingEvent& e : events) width = std::max(width, remaining(e.days).size());
    std::string out;
    for (const UpcomingEvent& e : events) {
        const std::string left = remaining(e.days);
        out += iso_date(e.date);
        out += ' ';
        out += WeekdayAbbrev[static_cast<std::size_t>(weekday(e.date))];
        out += "  ";
        out.append(width - left.size(), ' ');
        out += left;
        out += "  ";
        out += script == Script::English ? e.name : event_name(e.date, e.observance, script_text(script));
        out += '\n';
    }
    return out;
}

}  // namespace tarnvel::cli
