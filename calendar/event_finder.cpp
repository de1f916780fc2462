#include "calendar/event_finder.h"

#include <charconv>
#include <limits>

#include "calendar/civil.h"
#include "calendar/nanakshahi_date.h"

namespace tarnvel {
namespace {

const Observance* observance_in(std::span<const Observance> table, int month) {
    for (const auto& o : table)
        if (o.month == month) return &o;
    return nullptr;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Takes the countdown off the line. DaysToEvent becomes -1, not 0: 0 would
// claim an observance today and draw a watermark of "____".
void fail(EventSearchState& state, Label6Sink& label) {
    state.EventName.clear();
    state.EventGreeting.clear();
    state.DaysToEvent = -1;
    label.SetVisible(false);
    label.SetCaption("____");
}

}  // namespace

DayNumber::DayNumber(std::string_view text) noexcept {
    text = trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long n = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
    if (!text.empty() && r.ec == std::errc() && r.ptr == text.data() + text.size()) value_ = n;
}

std::string observance_caption(const Observance& o, int days_to_event) {
    std::string s = "\"";
    if (days_to_event == 0) {
        s += o.greeting;
        s += o.name;
        s += '"';
        return s;
    }
    s += o.name;
    s += "\" in ";
    s += days_to_event == 1 ? "1 day" : std::to_string(days_to_event) + " days";
    return s;
}

void find_upcoming_event(EventSearchState& state, Label6Sink& label, int year, DayNumber Day, DayNumber Month,
                         std::span<const Observance> table) {
    const auto month = Month.value();
    if (!month || *month < 1 || *month > 12) return;
    const auto day = Day.value();
    if (!day) return fail(state, label);  // a day that is not a number cannot be compared

    if (const Observance* o = observance_in(table, static_cast<int>(*month))) {
        state.EventDay = static_cast<std::int16_t>(o->day);
        const long long diff = o->day - *day;
        if (diff < std::numeric_limits<std::int16_t>::min() || diff > std::numeric_limits<std::int16_t>::max())
            return fail(state, label);
        state.DaysToEvent = static_cast<std::int16_t>(diff);
        const bool in_reach = diff >= 0 && diff <= 5;
        if (in_reach) state.EventFound = true;
        if (state.EventFound) {
            // Found earlier but not now: the observance has passed, so the
            // countdown comes off the strip.
            if (!in_reach) return fail(state, label);
            state.EventName = o->name;
            state.EventGreeting = o->greeting;
            label.SetVisible(true);
            label.SetForeColor(ColourSaffron);
            label.SetCaption(observance_caption(*o, state.DaysToEvent));
        }
    }

    // From the fifth-last day of the month the window reaches into the next one;
    // the next month is entered with a day of 0 or less, so this recurses once.
    const int m = static_cast<int>(*month);
    const int length = days_in_month(year, m);
    if (*day >= length - 4 && !state.EventFound)
        find_upcoming_event(state, label, year, DayNumber(*day - length), DayNumber(m == 12 ? 1 : m + 1), table);
}

void Find_UpcomingEvent(DayNumber Day, DayNumber Month, Label6Sink& label) {
    const auto year = DayNumber(ModuleNanakshahiDate.GregorianYear).value();
    find_upcoming_event(ModuleEventFinder, label, year ? static_cast<int>(*year) : 1, Day, Month);
}

}  // namespace tarnvel
