// The `nanakshahi` command: reads the clock once, asks whether standard output is a terminal,
// and hands over to run().

#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/run.h"

namespace {

// Reverse video for today as cal does it: on a terminal only, and not when NO_COLOR asks for
// plain text (any value but the empty one) or the terminal says it has no attributes.
bool mark_today() {
    if (isatty(STDOUT_FILENO) != 1) return false;
    const char* no_color = std::getenv("NO_COLOR");
    if (no_color != nullptr && *no_color != '\0') return false;
    const char* term = std::getenv("TERM");
    return term == nullptr || std::string_view(term) != "dumb";
}

}  // namespace

int main(int argc, char** argv) {
    // The streams then buffer on their own, which lets --unicode read what has arrived.
    std::ios::sync_with_stdio(false);

    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
        std::cerr << "nanakshahi: cannot read the local date\n";
        return tarnvel::cli::ExitFailure;
    }
    const tarnvel::cli::Context context{{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                                        static_cast<std::int64_t>(now), mark_today()};
    return tarnvel::cli::run(args, context, std::cin, std::cout, std::cerr);
}
