// The streamed views of the longest range the command takes need no more memory than a week's.
// Measured on the real process, so not under the sanitizers' allocators.

#include <gtest/gtest.h>

#include "process.h"

namespace tarnvel::cli {
namespace {

long max_rss_kib(std::vector<std::string> args) {
    args.insert(args.begin(), NANAKSHAHI_PROGRAM);
    const auto r = test::run_process(std::move(args), {.output_file = "/dev/null"});
    EXPECT_EQ(r.status, 0) << r.err;
    return r.max_rss_kib;
}

TEST(StreamMemory, TheWholeCalendarInTheMemoryOfAWeek) {
    const long week = max_rss_kib({"--range", "2026-03-14", "2026-03-20"});
    // Some 150 MB of text go out; anything held per line would show in megabytes.
    EXPECT_LT(max_rss_kib({"--range", "1469-03-14", "9999-12-31"}), week + 1024) << "week " << week << " KiB";
    EXPECT_LT(max_rss_kib({"--json", "--range", "1469-03-14", "9999-12-31"}), week + 1024);
    EXPECT_LT(max_rss_kib({"--ics", "1469-03-14", "9999-12-31", "--anniversaries"}), week + 1024);
}

}  // namespace
}  // namespace tarnvel::cli
