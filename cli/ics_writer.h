#pragma once
// --ics: the calendar as iCalendar (RFC 5545) for people's calendar programs. Every event is an
// all-day event (VALUE=DATE) in the range: the first day of each Nanakshahi month (1 Chet as the
// New Year), the observances of the countdown and, when asked for, the anniversaries of the
// history pages. Summaries are English; the description is the Gurmukhi (LANGUAGE=pa).
// An event's UID depends on the event alone, so every export gives it the same one; only
// DTSTAMP, the time of the export, differs between two exports of the same range.

#include <cstdint>
#include <ostream>

#include "calendar/civil.h"

namespace tarnvel::cli {

struct IcsRequest {
    CivilDate from{}, to{};  // within the calendar, from <= to
    bool anniversaries = false;
    std::int64_t stamp = 0;  // the time of the export, seconds since 1970-01-01 00:00 UTC
};

// Streams the calendar to `out`; false when `out` fails.
bool write_ics(std::ostream& out, const IcsRequest& request);

}  // namespace tarnvel::cli
