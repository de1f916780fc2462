// The change of the date as both windows see it: whichever watch notices it first, the strip
// rolls over before the reader follows, and the watermark of the new day is drawn once, from
// the new day's greeting.
#include "app/tests/program_fixture.h"

namespace tarnvel::test {
namespace {

struct Midnight {
    const char* name;
    platform::Date eve, day;
    std::vector<std::string> watermark;
    const char* history;  // the history entry's heading on the new day
};

std::vector<std::string> NewYearMark(const std::string& c) { return std::vector<std::string>(7, c + " " + c + c); }
std::vector<std::string> ObservanceMark(const std::string& c) {
    std::vector<std::string> lines(7, c + " " + c + " " + c + " " + c);
    lines[0] = "";
    return lines;
}

const Midnight kMidnights[] = {
    {"into 1 Chet", {2027, 3, 13}, {2027, 3, 14}, NewYearMark("Happy New Year, \"Nanakshahi 559\""), "14 March"},
    {"into Vaisakhi", {2027, 4, 13}, {2027, 4, 14}, ObservanceMark("\"Happy Vaisakhi\""), "14 April"},
    {"into Parkash Purab", {2027, 11, 25}, {2027, 11, 26}, ObservanceMark("\"Parkash Purab - Guru Nanak Sahib\""),
     "26 November"},
};

class DayChange : public ProgramTest {};

TEST_F(DayChange, TheNewDaysWatermarkIsDrawnOnceWhicheverWatchNoticesTheDayFirst) {
    for (const Midnight& m : kMidnights) {
        for (const bool reader_shown : {true, false}) {
            for (const First order : {First::Strip, First::Reader}) {
                const std::string what = std::string(m.name) + (reader_shown ? ", reader on History" : ", reader hidden") +
                                         (order == First::Reader ? ", reader's tick first" : ", strip's tick first");
                Start(m.eve);
                Tick(order, 3);
                if (reader_shown) OpenHistory();
                Tick(order, 2);
                ASSERT_TRUE(strip().window().PrintedLines().empty()) << what;
                ASSERT_EQ(ReaderWatchRuns(), reader_shown) << what;
                Tips();

                world.clock.today = m.day;
                Tick(order, 1);
                EXPECT_EQ(Tips(), std::vector<std::string>{ModuleNanakshahiDate.NanakshahiDate_English})
                    << what << ": the day change reached the tooltip once, in the first tick";
                Tick(order, 5);
                EXPECT_EQ(strip().window().PrintedLines(), m.watermark) << what;
                EXPECT_TRUE(strip().controls().Label6.Visible()) << what;
                EXPECT_TRUE(Tips().empty()) << what;
                if (reader_shown) {
                    EXPECT_EQ(ReaderFirstLine(), m.history) << what;
                }
                prog.reset();
            }
        }
    }
}

// The icon's tooltip is the strip's last step of the roll-over; the reader's reload comes after.
class ReaderAtTheTip final : public platform::NotifyIcon {
public:
    std::function<std::string()> reader_line;
    std::vector<std::string> lines_at_tip;
    bool Shell_NotifyIconA(std::uint32_t message, const platform::NotifyIconRecord&) override {
        if (message == platform::NIM_MODIFY_ && reader_line) lines_at_tip.push_back(reader_line());
        return true;
    }
    bool AreaAvailable() const override { return true; }
};

TEST_F(DayChange, TheStripRollsOverBeforeTheReaderReloadsInEitherOrder) {
    for (const First order : {First::Strip, First::Reader}) {
        ReaderAtTheTip icon;
        world.clock.today = {2027, 3, 13};
        prog = std::make_unique<Program>(
            ProgramWorld{world.world(), settings, registry, program, icon, messages, date_watch, TARNVEL_DOCS_DIR, {}});
        prog->Start();
        OpenHistory();
        ASSERT_EQ(ReaderFirstLine(), "13 March");
        icon.reader_line = [this] { return ReaderFirstLine(); };
        world.clock.today = {2027, 3, 14};
        Tick(order, 1);
        EXPECT_EQ(icon.lines_at_tip, std::vector<std::string>{"13 March"}) << "the tooltip came after the reload";
        EXPECT_EQ(ReaderFirstLine(), "14 March");
        EXPECT_EQ(strip().controls().Label1.Caption(), "14 March 2027");
        prog.reset();
    }
}

TEST_F(DayChange, TheReadersTickAloneRollsTheStripOver) {
    Start({2027, 4, 13});
    OpenHistory();
    world.clock.today = {2027, 4, 14};
    reader().TmrCheckMouse_Timer();
    EXPECT_EQ(strip().controls().Label1.Caption(), "14 April 2027");
    EXPECT_EQ(strip().controls().Label2.Caption(), "1 Vaisakh, Sammat 559 Nanakshahi");
    EXPECT_EQ(strip().controls().Label6.Caption(), "\"Happy Vaisakhi\"");
    EXPECT_EQ(ReaderFirstLine(), "14 April");
    EXPECT_TRUE(strip().window().PrintedLines().empty()) << "the watermark is the strip's next tick's";
    strip().TmrCheckMouse_Timer();
    EXPECT_EQ(strip().window().PrintedLines(), ObservanceMark("\"Happy Vaisakhi\""));
}

}  // namespace
}  // namespace tarnvel::test
