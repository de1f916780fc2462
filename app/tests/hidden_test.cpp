// The calendar hidden in the notification area sleeps: no watch runs, and only its date watch
// wakes it, at midnight and when the clock or the time zone moves the date. The icon's tooltip
// follows each change once, and the strip shows today's date as soon as it is shown again.
#include "app/tests/program_fixture.h"
#include "desktop/module_tray_icon.h"

namespace tarnvel::test {
namespace {

class Hidden : public ProgramTest {};

TEST_F(Hidden, HidingStopsEveryWatchAndShowingStartsTheStripsAgain) {
    Start({2027, 6, 1});
    OpenHistory();
    ASSERT_TRUE(StripWatchRuns());
    ASSERT_TRUE(ReaderWatchRuns());
    HideToTray();
    EXPECT_FALSE(strip().Visible());
    EXPECT_FALSE(StripWatchRuns());
    EXPECT_FALSE(ReaderWatchRuns());
    EXPECT_TRUE(date_watch.Started());
    prog->ClickIcon();
    EXPECT_TRUE(strip().Visible() && reader().Visible());
    EXPECT_TRUE(StripWatchRuns());
    EXPECT_TRUE(ReaderWatchRuns());
    EXPECT_FALSE(date_watch.Started());
}

// Each wake-up of the date watch: the tooltip follows a changed date once, and nothing else.
TEST_F(Hidden, TheTooltipFollowsMidnightTheClockAndTheTimeZoneOnce) {
    Start({2027, 3, 13});
    OpenHistory();
    HideToTray();
    Tips();
    const struct {
        const char* what;
        platform::Date today;
        const char* tip;  // empty: unchanged
    } steps[] = {
        {"a wake-up before the date moved", {2027, 3, 13}, ""},
        {"midnight", {2027, 3, 14}, "1 Chet, Sammat 559 Nanakshahi"},
        {"the same day again", {2027, 3, 14}, ""},
        {"the clock set back a day", {2027, 3, 13}, "30 Phagan, Sammat 558 Nanakshahi"},
        {"and forward a week", {2027, 3, 20}, "7 Chet, Sammat 559 Nanakshahi"},
        {"a zone change that keeps the date", {2027, 3, 20}, ""},
        {"a zone change east across midnight", {2027, 3, 21}, "8 Chet, Sammat 559 Nanakshahi"},
        {"and back west across it", {2027, 3, 20}, "7 Chet, Sammat 559 Nanakshahi"},
    };
    for (const auto& s : steps) {
        world.clock.today = s.today;
        ASSERT_TRUE(date_watch.Fire()) << s.what;
        const std::vector<std::string> want = *s.tip ? std::vector<std::string>{s.tip} : std::vector<std::string>{};
        EXPECT_EQ(Tips(), want) << s.what;
        EXPECT_EQ(strip().controls().Label2.Caption(), ModuleNanakshahiDate.NanakshahiDate_English) << s.what;
        EXPECT_TRUE(date_watch.Started()) << s.what << ": it goes on to the next midnight";
    }
    // The hidden reader followed the day too, and shows it when the calendar comes back.
    prog->ClickIcon();
    EXPECT_EQ(ReaderFirstLine(), "20 March");
}

TEST_F(Hidden, ShownAfterAMissedMidnightTheStripShowsTodayAtOnce) {
    Start({2027, 3, 13});
    OpenHistory();
    HideToTray();
    Tips();
    world.clock.today = {2027, 3, 14};  // a midnight the date watch did not tell (a missed resume)
    prog->ClickIcon();
    // Before any event is handled, so before the first paint.
    EXPECT_EQ(strip().controls().Label1.Caption(), "14 March 2027");
    EXPECT_EQ(strip().controls().Label2.Caption(), "1 Chet, Sammat 559 Nanakshahi");
    EXPECT_EQ(strip().controls().Label6.Caption(), "Happy New Year, \"Nanakshahi 559\"");
    EXPECT_EQ(Tips(), std::vector<std::string>{"1 Chet, Sammat 559 Nanakshahi"});
    EXPECT_EQ(ReaderFirstLine(), "14 March");
    Tick(First::Reader, 3);
    const std::string g = "Happy New Year, \"Nanakshahi 559\"";
    EXPECT_EQ(strip().window().PrintedLines(), std::vector<std::string>(7, g + " " + g + g));
}

TEST_F(Hidden, WithoutADateWatchTheHiddenStripGoesOnWatchingTheDate) {
    date_watch.available = false;
    Start({2027, 3, 13});
    HideToTray();
    EXPECT_TRUE(StripWatchRuns());
    Tips();
    world.clock.today = {2027, 3, 14};
    Tick();
    EXPECT_EQ(Tips(), std::vector<std::string>{"1 Chet, Sammat 559 Nanakshahi"});
    EXPECT_TRUE(strip().window().PrintedLines().empty()) << "no watermark is drawn on a hidden strip";
}

TEST_F(Hidden, MinimisedTheStripGoesOnWatchingAndTheDateWatchRests) {
    Start({2027, 3, 13});
    // The window manager's minimise, as the platform delivers it to the strip's procedure.
    TrayWindowProc(strip().window().Handle(), platform::WM_SYSCOMMAND_, platform::SC_MINIMIZE_, 0);
    EXPECT_FALSE(strip().Visible());
    EXPECT_TRUE(StripWatchRuns());
    EXPECT_FALSE(date_watch.Started());
}

TEST_F(Hidden, TheProgramsEndStopsTheDateWatch) {
    Start({2027, 3, 13});
    HideToTray();
    ASSERT_TRUE(date_watch.Started());
    prog.reset();
    EXPECT_FALSE(date_watch.Started());
}

}  // namespace
}  // namespace tarnvel::test
