// The system's date watch, with wake-ups moments ahead instead of at midnight: it fires at
// each one and is armed again after it, nothing comes before a wake-up or after Stop, and a
// second Start replaces the first. The same tests run on Linux and under Wine.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <vector>

#include "platform/application.h"
#include "platform/system_date_watch.h"

namespace tarnvel::platform {
namespace {

using namespace std::chrono;

WallTime Soon(WallTime now) { return now + milliseconds(60); }

TEST(SystemDateWatch, FiresAtEachWakeUpNeverBeforeItNotEvenByTheSecondsClock) {
    // Each wake-up is at the time asked for after the one before, a whole second later or
    // less: a watch that kept an old deadline or interval would call early. time(), which the
    // calendar's date is read from, must already show the wake-up's second.
    std::vector<WallTime> asked;
    auto watch = MakeSystemDateWatch([&asked](WallTime now) {
        asked.push_back(ceil<seconds>(now + milliseconds(30)));  // a whole second, as midnight is
        return asked.back();
    });
    int calls = 0, early = 0;
    EXPECT_FALSE(watch->Started());
    ASSERT_TRUE(watch->Start([&] {
        // The watch may ask for the next wake-up before it calls: this call is for the one
        // asked for before.
        const WallTime due = asked.at(static_cast<std::size_t>(calls));
        if (system_clock::now() < due || std::time(nullptr) < system_clock::to_time_t(due)) ++early;
        ++calls;
    }));
    EXPECT_TRUE(watch->Started());
    EXPECT_TRUE(Application::WaitFor([&] { return calls >= 3; }, 8000));
    watch->Stop();
    EXPECT_EQ(early, 0) << "of " << calls << " calls";
}

TEST(SystemDateWatch, ASecondStartReplacesTheFirstAStoppedWatchIsQuietAndItsOwnCallMayStopIt) {
    auto watch = MakeSystemDateWatch(Soon);
    int first = 0, second = 0;
    ASSERT_TRUE(watch->Start([&] { ++first; }));
    ASSERT_TRUE(watch->Start([&] { ++second; }));
    EXPECT_TRUE(Application::WaitFor([&] { return second >= 2; }, 5000));
    EXPECT_EQ(first, 0);
    watch->Stop();
    watch->Stop();  // twice: nothing more
    const int stopped_at = second;
    Application::ProcessEvents(300);
    EXPECT_EQ(second, stopped_at);
    EXPECT_FALSE(watch->Started());
    // Started again, and stopped from its own call this time.
    ASSERT_TRUE(watch->Start([&] {
        ++first;
        watch->Stop();
    }));
    EXPECT_TRUE(Application::WaitFor([&] { return first == 1; }, 5000));
    Application::ProcessEvents(300);
    EXPECT_EQ(first, 1);
    EXPECT_FALSE(watch->Started());
}

TEST(NextLocalMidnight, IsTheFirstSecondOfTheNextLocalDate) {
    // Through a year of the zone in force, at odd times of day.
    WallTime now = floor<seconds>(system_clock::now());
    for (int i = 0; i < 400; ++i, now += hours(22) + minutes(7) + seconds(13)) {
        const WallTime m = NextLocalMidnight(now);
        ASSERT_GT(m, now);
        ASSERT_LE(m - now, hours(25));
        ASSERT_GT(LocalDayAt(m), LocalDayAt(now));
        ASSERT_EQ(LocalDayAt(m - seconds(1)), LocalDayAt(now));
    }
}

}  // namespace
}  // namespace tarnvel::platform
