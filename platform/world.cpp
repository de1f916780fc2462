#include "platform/world.h"

#include <cstdio>

namespace tarnvel::platform {

namespace {
std::string two_digits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}
std::string four_digits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", v);
    return buf;
}
}  // namespace

std::string FormatDate(Date d, DateForm form, const Clock& clock) {
    switch (form) {
        case DateForm::DayMonthNameYear:
            return two_digits(d.day) + ' ' + clock.LongMonthName(d.month) + ' ' + four_digits(d.year);
        case DateForm::DayMonthYear:
            return two_digits(d.day) + ' ' + two_digits(d.month) + ' ' + four_digits(d.year);
        case DateForm::DayMonthYearDash:
            return two_digits(d.day) + '-' + two_digits(d.month) + '-' + four_digits(d.year);
    }
    return {};
}

}  // namespace tarnvel::platform
