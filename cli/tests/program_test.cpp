// The built program itself: exit statuses and which stream gets what.

#include <gtest/gtest.h>

#include <algorithm>

#include "process.h"

namespace tarnvel::cli {
namespace {

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
