// The real clock's month names follow the locale in force, also when it changes.
#include <gtest/gtest.h>

#include <QLocale>

#include "platform/qt/system_world.h"

namespace tarnvel::platform::qt {
namespace {

TEST(SystemClock, MonthNamesFollowTheLocale) {
    const QLocale saved;
    SystemClock clock;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(clock.LongMonthName(12), "December");
    EXPECT_EQ(clock.LongMonthName(3), "March");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(clock.LongMonthName(12), "Dezember");
    EXPECT_EQ(FormatDate({2026, 3, 6}, DateForm::DayMonthNameYear, clock), "06 März 2026");
    QLocale::setDefault(saved);
}

}  // namespace
}  // namespace tarnvel::platform::qt
