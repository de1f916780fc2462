#pragma once
// iCalendar content lines (RFC 5545, 3.1 and 3.3.11): TEXT values escaped, lines folded so that
// none is longer than 75 octets (a fold never splits a UTF-8 sequence), CRLF at every end.

#include <string>
#include <string_view>

namespace tarnvel::cli {

// Appends `name` (with its parameters, e.g. "DTSTART;VALUE=DATE"), a colon and `value` as it
// stands, folded.
void append_content_line(std::string& out, std::string_view name, std::string_view value);

// The same with `value` escaped as TEXT: backslash, semicolon, comma and newline escaped,
// other control characters but the tab left out.
void append_text_line(std::string& out, std::string_view name, std::string_view value);

std::string escaped_text(std::string_view value);

}  // namespace tarnvel::cli
