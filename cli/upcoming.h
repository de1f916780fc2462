#pragma once
// `--upcoming`: the coming New Years (1 Chet, 14 March) and observances of the
// observance table, from today on.

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/civil.h"
#include "calendar/event_finder.h"
#include "cli/script_text.h"

namespace tarnvel::cli {

struct UpcomingEvent {
    CivilDate date;
    std::string name;                         // in English
    std::int64_t days = 0;                    // from today; 0 = today
    const Observance* observance = nullptr;  // none for the New Year
};

// The first `count` events on or after `today`, in date order. Fewer when the calendar
// ends (9999-12-31) before `count` are found.
std::vector<UpcomingEvent> upcoming_events(CivilDate today, int count);

// One line each: date, weekday, days remaining ("today", "1 day", "98 days"), name in the
// script given, in aligned columns.
std::string format_upcoming(const std::vector<UpcomingEvent>& events, Script script = Script::English);

}  // namespace tarnvel::cli
