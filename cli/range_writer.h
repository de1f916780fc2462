#pragma once
// `--range`: one line per day, streamed through a fixed buffer so that any span of the
// calendar runs in constant memory.

#include <ostream>

#include "calendar/civil.h"
#include "cli/script_text.h"

namespace tarnvel::cli {

// Writes, for each day from `from` to `to` inclusive (both within the calendar, from <= to):
//   YYYY-MM-DD TAB day TAB month TAB year TAB date line NEWLINE
// with the date line in `script` and the numbers in ASCII digits.
// Returns false when `out` fails; the lines written before the failure stay written.
bool write_range(std::ostream& out, CivilDate from, CivilDate to, Script script = Script::English);

}  // namespace tarnvel::cli
