// Decades of continuous running on the fakes: every midnight tick by tick, the calendar
// hidden (asleep until its date watch wakes it) and shown, the reader open on the history entry or a Baramah, the clock stepped
// back and across a time-zone change. After every day change what the user sees is
// compared with what the month and observance tables say.
#include <gtest/gtest.h>

#include <malloc.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

#include "app/tests/program_fixture.h"
#include "platform/application.h"
#include "strip/drop_window_content.h"
#include "tests/soak/expected_day.h"

namespace tarnvel::test {
namespace {

using namespace std::chrono;
using platform::MouseButton;

enum class ReaderMode { Closed, History, Baramah };

// Resident memory of this process in kilobytes. Freed heap pages go back to the system
// first, so the figure follows what the calendar holds, not where the allocator stands.
long ResidentKb() {
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

// When the calendar sits in the notification area: the first days of December every
// year, New Year's eve and day every third year, Parkash Purab every fourth year.
bool HiddenOn(year_month_day g) {
    const int y = int(g.year());
    const unsigned m = unsigned(g.month()), d = unsigned(g.day());
    return (m == 12 && d <= 5) || (y % 3 == 0 && m == 3 && d >= 12 && d <= 15) ||
           (y % 4 == 1 && m == 11 && d >= 24 && d <= 27);
}

// What the reader is opened on: across Phagan's last days (29 February), across the New
// Year and Vaisakh's first day, around Parkash Purab, and twelve days a year that move
// on by twelve days each year, so that thirty years open nearly every day's entry once.
ReaderMode ReaderOn(year_month_day g) {
    const int y = int(g.year());
    const unsigned m = unsigned(g.month()), d = unsigned(g.day());
    if ((m == 2 && d >= 27) || (m == 3 && d == 1)) return ReaderMode::History;
    if ((m == 3 && d >= 12 && d <= 16) || (m == 4 && d >= 11 && d <= 16)) return ReaderMode::Baramah;
    if (m == 11 && d >= 23 && d <= 27) return ReaderMode::History;
    const long day_of_year = (sys_days{g} - sys_days{g.year() / January / 1}).count();
    const long start = ((y - 2027) * 12L) % 360;
    if (day_of_year >= start && day_of_year < start + 12) return ReaderMode::History;
    return ReaderMode::Closed;
}

class Soak : public ProgramTest {
protected:
    // 1 January 2027 is 19 Poh, Sammat 558.
    static constexpr year_month_day kFirst{2027y, January, 1d};

    ReaderMode reader_mode = ReaderMode::Closed;
    bool hidden = false;  // the calendar is in the notification area
    bool new_year_drawn = false, observance_drawn = false;
    int failing_days = 0;

    // The clock reaches day `d`: at midnight, or set, or by a change of the time zone. The
    // system wakes the hidden calendar's date watch for each of these.
    void SetToday(sys_days d) {
        const year_month_day g{d};
        world.clock.today = {int(g.year()), int(unsigned(g.month())), int(unsigned(g.day()))};
        date_watch.Fire();
    }

    // One turn of each pointer watch that is running, as their timers would call them.
    void Tick(int n) { ProgramTest::Tick(First::Strip, n); }

    // Everything the user can see on day `d`, right after the day change was taken.
    std::string Mismatches(sys_days d, const DayTable& table) {
        std::ostringstream out;
        const year_month_day g{d};
        const NanakshahiDay& n = table.at(d);
        strip::frmFirst& s = prog->strip();
        auto& c = s.controls();
        const auto expect = [&out](const char* what, const std::string& got, const std::string& want) {
            if (got != want) out << "\n  " << what << ": \"" << got << "\", expected \"" << want << "\"";
        };
        expect("Label1", c.Label1.Caption(), LongGregorian(g));
        expect("Label2", c.Label2.Caption(), EnglishLine(n));
        const std::vector<std::string> tips = Tips();  // those set since the last check
        expect("tooltip", tips.empty() ? "<no tooltip set>" : tips.back(), EnglishLine(n));
        expect("strip shown", s.Visible() ? "yes" : "no", hidden ? "no" : "yes");
        const bool line_shows = s.Visible() && c.Label6.Visible();
        const std::string line = hidden ? "" : ExpectedLine(g, n);
        expect("Label6 shows", line_shows ? c.Label6.Caption() : "", line);

        // The watermarks are drawn once per run: the first New Year's Day and the first
        // observance day on which the strip is on screen.
        std::vector<std::string> marks;
        if (!hidden && !new_year_drawn && unsigned(g.month()) == 3 && unsigned(g.day()) == 14) {
            for (int i = 0; i < 7; ++i) marks.push_back(line + " " + line + line);
            new_year_drawn = true;
        } else if (!hidden && !observance_drawn && ObservanceDay(g)) {
            marks.push_back("");
            for (int i = 0; i < 6; ++i) marks.push_back(line + " " + line + " " + line + " " + line);
            observance_drawn = true;
        }
        const std::vector<std::string> printed = s.window().PrintedLines();
        if (printed != marks)
            out << "\n  watermark: " << printed.size() << " lines (" << (printed.empty() ? "" : printed[0])
                << "), expected " << marks.size() << " (" << (marks.empty() ? "" : marks[0]) << ")";

        out << ReaderMismatches(g, n);
        return out.str();
    }

    std::string ReaderMismatches(year_month_day g, const NanakshahiDay& n) {
        std::ostringstream out;
        reader::frmDrop_Window& r = prog->reader();
        const auto* tag = std::get_if<std::string>(&strip::DropWindow_Content);
        const std::string shown = r.Loaded() ? richtext::to_utf8(r.controls().rchParagraph.Text()) : "";
        // A reader hidden with the calendar catches up on the day when it is shown again
        // (checked then, in Act); until then its text is nobody's to see.
        if (reader_mode != ReaderMode::Closed && r.Loaded() && !r.Visible()) {
            if (!hidden) out << "\n  reader hidden while the calendar is shown";
            return out.str();
        }
        switch (reader_mode) {
            case ReaderMode::Closed:
                if (tag) out << "\n  reader shows \"" << *tag << "\" while closed";
                break;
            case ReaderMode::History: {
                const std::string heading =
                    std::to_string(unsigned(g.day())) + " " + kGregorianMonths[unsigned(g.month()) - 1];
                const std::string nanakshahi = std::to_string(n.day) + " " + kMonthTable[n.month - 1].english;
                if (!tag || *tag != "mnuHistory") out << "\n  DropWindow_Content is not mnuHistory";
                if (FirstLine(shown) != heading || shown.find(nanakshahi) == std::string::npos)
                    out << "\n  history entry begins \"" << FirstLine(shown) << "\", expected \"" << heading
                        << "\" with " << nanakshahi;
                break;
            }
            case ReaderMode::Baramah: {
                const std::string month = kMonthTable[n.month - 1].english;
                if (!tag || *tag != "Baramah") out << "\n  DropWindow_Content is not Baramah";
                if (FirstLine(shown).rfind(month + " ", 0) != 0 || shown.find("Barah Maha") == std::string::npos)
                    out << "\n  Baramah begins \"" << FirstLine(shown) << "\", expected " << month;
                break;
            }
        }
        return out.str();
    }

    // A failing day, told once with what was happening: `m` lists the mismatches, empty for none.
    void Fail(const std::string& when, year_month_day g, const std::string& m) {
        if (m.empty()) return;
        ADD_FAILURE() << when << " " << LongGregorian(g) << ":" << m;
        ++failing_days;
    }

    void Check(sys_days d, const DayTable& table, const char* when) {
        Fail(when, year_month_day{d}, Mismatches(d, table));
    }
    // The clock reaches `d` (see SetToday) and the watches tick on; then all is checked.
    void Reach(sys_days d, const DayTable& table, const char* when) {
        SetToday(d);
        Tick(3);
        Check(d, table, when);
    }

    // The user's doings of the day: hiding to or showing from the notification area, and
    // opening, switching or closing the reader while the calendar is on screen.
    void Act(sys_days d, const DayTable& table) {
        const year_month_day g{d};
        strip::frmFirst& s = prog->strip();
        reader::frmDrop_Window& r = prog->reader();
        if (HiddenOn(g) && !hidden) s.ImageClose_MouseUp(MouseButton::Left);
        const bool shown_again = !HiddenOn(g) && hidden;
        if (shown_again) prog->ClickIcon();
        hidden = HiddenOn(g);
        if (shown_again && reader_mode != ReaderMode::Closed)
            Fail("showing the calendar again on", g, ReaderMismatches(g, table.at(d)));
        if (s.Visible() == hidden) Fail(hidden ? "hiding on" : "showing on", g, " did not take");
        // Hidden, the calendar sleeps: no pointer watch runs, the date watch waits for midnight.
        const bool resting =
            !s.controls().TmrCheckMouse.Enabled() && !(r.Loaded() && r.controls().TmrCheckMouse.Enabled());
        if (hidden != resting || hidden != date_watch.Started())
            Fail(hidden ? "hidden on" : "shown on", g,
                 std::string(" the strip's watch ") + (s.controls().TmrCheckMouse.Enabled() ? "runs" : "rests") +
                     ", the date watch " + (date_watch.Started() ? "runs" : "rests"));
        const ReaderMode want = ReaderOn(g);
        if (!s.Visible() || want == reader_mode) return;
        if (want == ReaderMode::Closed) {
            r.Label5_MouseUp(MouseButton::Left);
        } else {
            if (!r.Visible()) s.Label4_MouseUp(MouseButton::Left);
            if (want == ReaderMode::History) r.Label3_MouseUp(MouseButton::Left);
            else r.Label1_MouseDown(MouseButton::Left);
        }
        reader_mode = want;
        Fail("opening the reader on", g, ReaderMismatches(g, table.at(d)));
    }

    // A pointer that wanders over the strip's links and date and away again.
    void Wander(int k) {
        strip::frmFirst& s = prog->strip();
        if (!s.Visible()) return;
        static constexpr int kCodes[] = {strip::HoverDate, strip::HoverWeb, strip::HoverMore, strip::HoverClose};
        s.PointerMovedOver(kCodes[k % 4]);
        world.pointer.position = platform::PixelPoint{400, 300};  // over the strip
        Tick(1);
        world.pointer.position = platform::PixelPoint{5, 5};
        Tick(1);
    }

    // Runs from kFirst for `years` years; returns the resident memory (kB) halfway and at the
    // end. The first years fill the text and glyph caches as the reader opens entries it has
    // not shown before (about 0.6 MB over ten years); a leak goes on growing in the second half.
    std::pair<long, long> Run(int years) {
        const sys_days first{kFirst};
        const sys_days end{year_month_day{kFirst.year() + std::chrono::years{years}, January, 1d}};
        const DayTable table(first, {19, 10, 558}, static_cast<int>((end - first).count()) + 2);
        const sys_days backwards{year_month_day{2027y + std::chrono::years{years / 2}, April, 15d}};
        const sys_days zone_change{year_month_day{2027y + std::chrono::years{years - 1}, March, 13d}};

        const year_month_day g{first};
        Start({int(g.year()), int(unsigned(g.month())), int(unsigned(g.day()))});
        Tick(3);
        Check(first, table, "start on");
        Act(first, table);

        long at_half = 0;
        int k = 0;
        for (sys_days d = first + days{1}; d < end && failing_days < 5; d += days{1}, ++k) {
            Tick(3);  // the last ticks of the old day
            Reach(d, table, "day change to");
            Act(d, table);
            if (k % 7 == 0) Wander(k / 7);
            Tick(2);  // coarser steps through the day
            if (d == backwards) {
                // The clock is set back a day in the afternoon; the next midnight comes again.
                Reach(d - days{1}, table, "clock set back to");
                Reach(d, table, "clock set forward again to");
            }
            if (d == zone_change) {
                // A time-zone change carries the date a day ahead, and back again.
                Reach(d + days{1}, table, "time zone carried to");
                Reach(d, table, "time zone back to");
            }
            if (k % 64 == 0) platform::Application::ProcessEvents(0);
            if (d == sys_days{year_month_day{kFirst.year() + std::chrono::years{years / 2}, January, 1d}}) {
                platform::Application::ProcessEvents(0);
                at_half = ResidentKb();
            }
        }
        platform::Application::ProcessEvents(0);
        const long at_end = ResidentKb();
        EXPECT_EQ(failing_days, 0);
        EXPECT_TRUE(new_year_drawn && observance_drawn);
        // The exit sequence still works at the end of the run.
        prog->Exit();
        EXPECT_TRUE(prog->quit());
        EXPECT_TRUE(world.message_box.shown.empty());
        return {at_half, at_end};
    }
};

TEST_F(Soak, ThirtyYearsWithoutRestartShowTheTablesDatesAndMemoryStaysFlat) {
    const auto [at_half, at_end] = Run(30);
    ASSERT_GT(at_half, 0);
    std::printf("resident memory: %ld kB after fifteen years, %ld kB after thirty years\n", at_half,
                at_end);
    EXPECT_LE(at_end - at_half, 1024) << "the running calendar grew by " << at_end - at_half
                                               << " kB";
}

// The short run the sanitizer build makes: its allocators keep freed memory back, so
// there LeakSanitizer watches instead of the resident size.
TEST_F(Soak, ThreeYearsWithoutRestartShowTheTablesDates) { Run(3); }

}  // namespace
}  // namespace tarnvel::test
