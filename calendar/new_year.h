#pragma once
// The New Year greeting: counts down the last ten days before 1 Chet and wishes
// a happy new year on the day.

#include <string>

#include "calendar/label_sink.h"
#include "calendar/nanakshahi_date.h"

namespace tarnvel {

struct NewYearGreeting {
    bool visible;         // false: hide the line and leave its caption as it was
    std::string caption;  // meaningful only when visible; may be empty
};

// A function of the Nanakshahi date alone. Days remaining are counted to 14 March,
// so the eve of the new year is "1 Day" whether Phagan has 30 or 31 days.
NewYearGreeting new_year_greeting(int nanakshahi_month, int nanakshahi_day, int nanakshahi_year);

// Writes the greeting for the record's date to the message line.
void Check_NewYear_Nanakshahi(const DateRecord& date, Label6Sink& label);

}  // namespace tarnvel
