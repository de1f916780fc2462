#include "calendar/new_year.h"

namespace tarnvel {

NewYearGreeting new_year_greeting(int nanakshahi_month, int nanakshahi_day, int nanakshahi_year) {
    if (nanakshahi_month == 1) {
        if (nanakshahi_day != 1) return {true, {}};
        return {true, "Happy New Year, \"Nanakshahi " + std::to_string(nanakshahi_year) + "\""};
    }
    if (nanakshahi_month == 12) {
        const int remaining = month_length(nanakshahi_year, 12) + 1 - nanakshahi_day;
        if (remaining < 1 || remaining > 10) return {true, {}};
        return {true, "New Year in " + std::to_string(remaining) + (remaining == 1 ? " Day" : " Days") +
                          ", \"Nanakshahi " + std::to_string(nanakshahi_year + 1) + "\""};
    }
    return {false, {}};
}

void Check_NewYear_Nanakshahi(const DateRecord& date, Label6Sink& label) {
    const NewYearGreeting g = new_year_greeting(date.NanakshahiMonth, date.NanakshahiDay, date.NanakshahiYear);
    label.SetVisible(g.visible);
    if (!g.visible) return;
    label.SetForeColor(ColourSaffron);
    label.SetCaption(g.caption);
}

}  // namespace tarnvel
