// The built program itself: the clock, the terminal, exit statuses and which stream gets what.

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "process.h"

namespace tarnvel::cli {
namespace {

test::ProcessResult nanakshahi(std::vector<std::string> args, const test::Streams& streams = {}) {
    args.insert(args.begin(), NANAKSHAHI_PROGRAM);
    return test::run_process(std::move(args), streams);
}

TEST(Program, GoodInputGoesToStandardOutput) {
    const auto unicode = nanakshahi({"--unicode"}, {"cyq\nP`gx\n"});
    EXPECT_EQ(unicode.status, 0);
    EXPECT_EQ(unicode.out, "ਚੇਤ\nਫੱਗਣ\n");
    EXPECT_EQ(unicode.err, "");
    // With no date the program reads the clock: one English line of today.
    const auto today = nanakshahi({});
    EXPECT_EQ(today.status, 0);
    EXPECT_EQ(std::count(today.out.begin(), today.out.end(), '\n'), 1);
    EXPECT_TRUE(today.out.find(", Sammat ") != std::string::npos && today.out.ends_with(" Nanakshahi\n")) << today.out;
}

// The refusals themselves are the in-process table's; here the program's status and streams.
TEST(Program, BadInputGoesToStandardErrorWithStatusTwo) {
    const auto r = nanakshahi({"2026-12-05", "2026-02-30"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "nanakshahi: not a valid date: 2026-02-30\n");
}

// Today in reverse video on a terminal only, and not when NO_COLOR is set or TERM is dumb. The
// program decides once for every view; which views mark today is the in-process TodayMarked's.
TEST(Program, TodayMarkedOnATerminalOnly) {
    const std::pair<std::map<std::string, std::string>, bool> cases[] = {
        {{{"TERM", "xterm"}, {"NO_COLOR", ""}}, true}, {{{"TERM", ""}, {"NO_COLOR", ""}}, true},
        {{{"TERM", "xterm"}, {"NO_COLOR", "1"}}, false}, {{{"TERM", "xterm"}, {"NO_COLOR", "0"}}, false},
        {{{"TERM", "dumb"}, {"NO_COLOR", ""}}, false}};
    for (const auto& [env, marked] : cases) {
        const auto t = nanakshahi({"--month"}, {.terminal = true, .env = env});
        EXPECT_EQ(t.status, 0);
        EXPECT_EQ(t.out.find("\x1b[7m") != std::string::npos, marked)
            << "TERM=" << env.at("TERM") << " NO_COLOR=" << env.at("NO_COLOR") << ": " << t.out;
    }
    const auto file = nanakshahi({"--month"});
    EXPECT_NE(file.out, "");
    EXPECT_EQ(file.out.find('\x1b'), std::string::npos);
}

// DTSTAMP is the time of the export, in UTC.
TEST(Program, IcsStampIsTheClock) {
    const std::time_t before = std::time(nullptr);
    const auto r = nanakshahi({"--ics", "2027-03-14", "2027-03-14"});
    const std::time_t after = std::time(nullptr);
    const std::size_t at = r.out.find("DTSTAMP:");
    ASSERT_NE(at, std::string::npos) << r.err;
    std::tm t{};
    ASSERT_NE(strptime(r.out.substr(at + 8, 16).c_str(), "%Y%m%dT%H%M%SZ", &t), nullptr);
    EXPECT_GE(timegm(&t), before);
    EXPECT_LE(timegm(&t), after);
}

TEST(Program, AFullDiskIsAFailure) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    const auto r = nanakshahi({"--range", "2026-01-01", "2026-12-31"}, {.output_file = "/dev/full"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "nanakshahi: cannot write to standard output\n");
}

}  // namespace
}  // namespace tarnvel::cli
