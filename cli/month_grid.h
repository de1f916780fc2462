#pragma once
// `--month`: one Nanakshahi month laid out in weeks, Sunday first, in the manner of `cal`.
// Each cell holds the Nanakshahi day and, beside it, the Gregorian day/month: " 1 14/3".

#include <string>

#include "cli/view_text.h"

namespace tarnvel::cli {

// The whole grid with its heading, every line ending in '\n'. `year` and `month` (1..12)
// name a month that lies wholly within the calendar. In English the heading has the
// month's name in Gurmukhi as a second line.
std::string month_grid(int year, int month, const ViewStyle& style = {});

}  // namespace tarnvel::cli
