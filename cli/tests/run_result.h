#pragma once
// Runs the command in-process with a fixed date and collects what it wrote.

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run.h"

namespace tarnvel::cli::testing {

struct RunResult {
    int status = -1;
    std::string out, err;
};

inline constexpr std::int64_t FixedNow = 1796472000;  // 2026-12-05 12:00:00 UTC

inline RunResult run_in(std::vector<std::string_view> args, const Context& context, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = run(args, context, in, out, err);
    return {status, out.str(), err.str()};
}

inline RunResult run_with(std::vector<std::string_view> args, CivilDate today = {2026, 12, 5},
                          const std::string& input = {}) {
    return run_in(std::move(args), Context{today, FixedNow, false}, input);
}

// The lines of a text, without their line ends.
inline std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace tarnvel::cli::testing
