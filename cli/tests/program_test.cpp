// The built program itself: exit statuses and which stream gets what.

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "process.h"

namespace tarnvel::cli {
namespace {

using testing::run_on_terminal;
using testing::run_program;

TEST(Program, GoodInputGoesToStandardOutput) {
    const auto r = run_program({"2026-12-05", "--legacy"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "22 m`Gr, sMmq 558 nwnkSwhI\n");
    EXPECT_EQ(r.err, "");

    const auto v = run_program({"--version"});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, "nanakshahi (Tarnvel) 1.0\n");
}

// With no date the program reads the clock: one English line of today.
TEST(Program, TodayFromTheClock) {
    const auto r = run_program({});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
    EXPECT_NE(r.out.find(", Sammat "), std::string::npos) << r.out;
    EXPECT_TRUE(r.out.ends_with(" Nanakshahi\n")) << r.out;
}

TEST(Program, BadInputGoesToStandardErrorWithStatusTwo) {
    const std::vector<std::vector<std::string>> cases{
        {"2026-12-05", "2026-02-30"},
        {"--range", "2026-05-01", "2026-04-01"},
        {"--no-such-option"},
    };
    for (const auto& args : cases) {
        const auto r = run_program(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(args.back()), std::string::npos) << r.err;
    }
}

// Refusals of the new options through the real program: status 2, one line, no output.
TEST(Program, RefusalsOfTheNewOptions) {
    const std::vector<std::vector<std::string>> cases{
        {"--month", "2027", "03"}, {"--year", "559"}, {"--ics", "2027-12-31", "2027-01-01"},
        {"--json", "--month"},     {"-3", "-3"},      {"--anniversaries"},
        {"31 Phagan 558"},         {"--json=1"},      {"--", "--json"},
    };
    for (const auto& args : cases) {
        const auto r = run_program(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "") << args.back();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_TRUE(r.err.starts_with("nanakshahi: ")) << r.err;
    }
}

// Today in reverse video on a terminal only, and never when NO_COLOR is set.
TEST(Program, TodayMarkedOnATerminalOnly) {
    constexpr std::string_view mark = "\x1b[7m";
    struct Case {
        std::map<std::string, std::string> env;
        bool marked;
    };
    const Case cases[] = {
        {{{"TERM", "xterm"}, {"NO_COLOR", ""}}, true},
        {{{"TERM", ""}, {"NO_COLOR", ""}}, true},
        {{{"TERM", "xterm"}, {"NO_COLOR", "1"}}, false},
        {{{"TERM", "xterm"}, {"NO_COLOR", "0"}}, false},
        {{{"TERM", "dumb"}, {"NO_COLOR", ""}}, false},
    };
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--month"}, {"-3"}, {"--year"}}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(args.front() + " TERM=" + c.env.at("TERM") + " NO_COLOR=" + c.env.at("NO_COLOR"));
            const auto t = run_on_terminal(args, c.env);
            EXPECT_EQ(t.status, 0);
            EXPECT_EQ(t.out.find(mark) != std::string::npos, c.marked) << t.out;
        }
        // Into a file: the same program, the same day, no escapes.
        const auto f = run_program(args);
        EXPECT_EQ(f.status, 0);
        EXPECT_EQ(f.out.find('\x1b'), std::string::npos);
        EXPECT_NE(f.out, "");
    }
}

// DTSTAMP is the time of the export, in UTC.
TEST(Program, IcsStampIsTheClock) {
    const std::time_t before = std::time(nullptr);
    const auto r = run_program({"--ics", "2027-03-14", "2027-03-14"});
    const std::time_t after = std::time(nullptr);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::size_t at = r.out.find("DTSTAMP:");
    ASSERT_NE(at, std::string::npos);
    std::tm t{};
    ASSERT_NE(strptime(r.out.substr(at + 8, 16).c_str(), "%Y%m%dT%H%M%SZ", &t), nullptr);
    const std::time_t stamp = timegm(&t);
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, after);
}

TEST(Program, UnicodeFilterReadsStandardInput) {
    const auto r = run_program({"--unicode"}, "cyq\nP`gx\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "ਚੇਤ\nਫੱਗਣ\n");
}

TEST(Program, AFullDiskIsAFailure) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    const auto r = run_program({"--range", "2026-01-01", "2026-12-31"}, {}, "/dev/full");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "nanakshahi: cannot write to standard output\n");
}

}  // namespace
}  // namespace tarnvel::cli
