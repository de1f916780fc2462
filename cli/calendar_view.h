#pragma once
// The month and year views: full month grids one under another, or, for a year and for -3,
// cal's small blocks of one month each, three across, under the year's heading.

#include <string>
#include <vector>

#include "cli/period.h"
#include "cli/view_text.h"

namespace tarnvel::cli {

std::string calendar_view(const MonthsView& view, const ViewStyle& style);

// One small block, 20 columns wide: the month's name and year and its Gregorian span centred,
// the weekdays, and the Nanakshahi days under them, one row a week.
std::vector<TextRow> month_block(MonthRef month, const ViewStyle& style);

}  // namespace tarnvel::cli
