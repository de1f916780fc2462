// The real clock's month names follow the locale in force, also when it changes.
// Qt only: the locale is changed through Qt's default locale, which a Windows build has not
// (platform/win32/tests/system_world_test.cpp checks the Win32 clock's names).
#ifndef _WIN32
#include <gtest/gtest.h>

#include <QLocale>

#include "platform/system_world.h"

namespace tarnvel::platform {
namespace {

TEST(SystemClock, MonthNamesFollowTheLocale) {
    const QLocale saved;
    SystemClock clock;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(clock.LongMonthName(12), "December");
    EXPECT_EQ(clock.LongMonthName(3), "March");
    EXPECT_EQ(clock.LongMonthName(0), "");
    EXPECT_EQ(clock.LongMonthName(13), "");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(clock.LongMonthName(12), "Dezember");
    EXPECT_EQ(FormatDate({2026, 3, 6}, DateForm::DayMonthNameYear, clock), "06 März 2026");
    QLocale::setDefault(saved);
}

}  // namespace
}  // namespace tarnvel::platform
#endif
