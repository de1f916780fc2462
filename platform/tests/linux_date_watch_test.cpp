// What only the Linux clock and date watch do: the clock's date is the zone's, the watch is
// armed for the next local midnight, and a change or replacement of the time-zone file wakes
// it (a change of the wall clock itself cannot be made in a test; the kernel reports it like
// an expiry, through the same path).
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDate>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/application.h"
#include "platform/qt/date_watch.h"
#include "platform/system_world.h"
#include "richtext/tests/temp_dir.h"

namespace tarnvel::platform::qt {
namespace {

using namespace std::chrono;
namespace fs = std::filesystem;

// Sets TZ for one test and puts the previous zone back after it.
class LinuxZoneTest : public ::testing::Test {
protected:
    static void SetZone(const char* zone) {
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    void TearDown() override {
        if (saved_) ::setenv("TZ", saved_->c_str(), 1);
        else ::unsetenv("TZ");
        ::tzset();
    }
    static WallTime Utc(int y, int mo, int d, int h, int mi) {
        return sys_days{year{y} / mo / d} + hours(h) + minutes(mi);
    }

private:
    const std::optional<std::string> saved_ =
        std::getenv("TZ") ? std::optional<std::string>(std::getenv("TZ")) : std::nullopt;
};

TEST_F(LinuxZoneTest, NextLocalMidnightFollowsTheZoneAndItsDaylightSaving) {
    const struct {
        const char* zone;
        WallTime now;  // given in UTC
        WallTime midnight;
    } cases[] = {
        {"Asia/Kolkata", Utc(2027, 3, 13, 18, 29), Utc(2027, 3, 13, 18, 30)},  // 23:59 IST
        {"Asia/Kolkata", Utc(2027, 3, 13, 18, 30), Utc(2027, 3, 14, 18, 30)},  // exactly midnight: the next one
        {"Europe/London", Utc(2027, 3, 28, 11, 0), Utc(2027, 3, 28, 23, 0)},   // after the change to summer time
        {"Europe/London", Utc(2027, 10, 30, 22, 0), Utc(2027, 10, 30, 23, 0)}, // the 25-hour day ahead
        {"Europe/London", Utc(2027, 10, 30, 23, 0), Utc(2027, 11, 1, 0, 0)},
        // Summer time began at midnight here: that day's first moment is 01:00.
        {"America/Sao_Paulo", Utc(2018, 11, 3, 15, 0), Utc(2018, 11, 4, 3, 0)},
        {"UTC", Utc(2027, 12, 31, 23, 59), Utc(2028, 1, 1, 0, 0)},
    };
    for (const auto& c : cases) {
        SetZone(c.zone);
        EXPECT_EQ(NextLocalMidnight(c.now), c.midnight) << c.zone << " " << system_clock::to_time_t(c.now);
    }
}

TEST_F(LinuxZoneTest, TodayIsTheLocalDateInZonesAheadOfAndBehindUtc) {
    // UTC+14 and UTC-12 are 26 hours apart, never on the same date: a clock that ignored the
    // zone would be wrong in one of them.
    for (const char* zone : {"UTC0", "<+14>-14", "<-12>12"}) {
        SetZone(zone);
        const SystemClock clock;  // reads the zone's rules at its first call
        const QDate q = QDate::currentDate();
        EXPECT_EQ(clock.Today(), (Date{q.year(), q.month(), q.day()})) << zone;
    }
}

TEST_F(LinuxZoneTest, ArmedForTheNextLocalMidnightAndAgainAfterAZoneChange) {
    richtext::test::TempDir dir;
    const fs::path zone = dir.path() / "localtime";
    fs::create_symlink("/usr/share/zoneinfo/Asia/Kolkata", zone);
    SetZone("Asia/Kolkata");
    LinuxDateWatch watch(NextLocalMidnight, zone.string());
    EXPECT_EQ(watch.ArmedFor(), WallTime{});
    int calls = 0;
    ASSERT_TRUE(watch.Start([&] { ++calls; }));
    const WallTime armed = watch.ArmedFor();
    EXPECT_EQ(armed, NextLocalMidnight(system_clock::now()));

    // The system's zone moves west by five and a half hours: its link is replaced.
    SetZone("UTC");
    const fs::path fresh = dir.path() / "localtime.new";
    fs::create_symlink("/usr/share/zoneinfo/Etc/UTC", fresh);
    fs::rename(fresh, zone);
    ASSERT_TRUE(Application::WaitFor([&] { return calls == 1; }, 3000));
    EXPECT_EQ(watch.ArmedFor(), NextLocalMidnight(system_clock::now()));
    EXPECT_NE(watch.ArmedFor(), armed);
    watch.Stop();
    EXPECT_EQ(watch.ArmedFor(), WallTime{});
}

TEST(LinuxDateWatch, WakesWhenTheZoneFileChangesButNotForItsNeighbours) {
    richtext::test::TempDir dir;
    const fs::path zone = dir.path() / "localtime";
    std::ofstream(zone) << "TZif";
    LinuxDateWatch watch([](WallTime now) { return now + hours(1); }, zone.string());
    int calls = 0;
    ASSERT_TRUE(watch.Start([&] { ++calls; }));

    std::ofstream(dir.path() / "hostname") << "elsewhere";
    fs::create_symlink("/nowhere", dir.path() / "localtime2");
    Application::ProcessEvents(300);
    EXPECT_EQ(calls, 0) << "a neighbour of the zone file woke the watch";

    std::ofstream(zone, std::ios::trunc) << "TZif2";  // rewritten in place
    ASSERT_TRUE(Application::WaitFor([&] { return calls >= 1; }, 3000));
    const int after_rewrite = calls;
    fs::remove(zone);  // deleted, then written anew
    std::ofstream(zone) << "TZif3";
    ASSERT_TRUE(Application::WaitFor([&] { return calls > after_rewrite; }, 3000));

    // Stopped: a change is not told.
    watch.Stop();
    Application::ProcessEvents(100);
    const int stopped_at = calls;
    std::ofstream(zone, std::ios::trunc) << "TZif4";
    Application::ProcessEvents(300);
    EXPECT_EQ(calls, stopped_at);
}

}  // namespace
}  // namespace tarnvel::platform::qt
