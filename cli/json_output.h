#pragma once
// --json: one object a line (JSON Lines), which jq and line-by-line tools read as it comes.
// A day:
//   {"gregorian":"2026-12-05","weekday":"Saturday","day":22,"month":9,"month_name":"Maghar",
//    "month_name_gurmukhi":"ਮੱਘਰ","year":558,"line":"22 Maghar, Sammat 558 Nanakshahi",
//    "line_gurmukhi":"੨੨ ਮੱਘਰ, ਸੰਮਤ ੫੫੮ ਨਾਨਕਸ਼ਾਹੀ"}
// day, month and year are the Nanakshahi ones; the Gurmukhi texts are Unicode (NFC). A coming
// New Year or observance is the object of its day with "event", "event_gurmukhi" and "days"
// (from today) added.

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/civil.h"
#include "cli/upcoming.h"

namespace tarnvel::cli {

// `s` as a JSON string, quotes included; `s` is UTF-8.
void append_json_string(std::string& out, std::string_view s);

std::string json_days(std::span<const CivilDate> dates);
std::string json_upcoming(const std::vector<UpcomingEvent>& events);

// Every day from `from` to `to` (within the calendar, from <= to), streamed; false when `out` fails.
bool write_json_range(std::ostream& out, CivilDate from, CivilDate to);

}  // namespace tarnvel::cli
