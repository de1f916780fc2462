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
    std::string out;
    std::string err;
};

inline RunResult run_with(std::vector<std::string_view> args, CivilDate today = {2026, 12, 5},
                          const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    RunResult r;
    r.status = run(args, today, in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

}  // namespace tarnvel::cli::testing
