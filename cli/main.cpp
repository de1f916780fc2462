// The `nanakshahi` command: reads the local date once and hands over to run().

#include <ctime>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/run.h"

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
    const tarnvel::CivilDate today{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    return tarnvel::cli::run(args, today, std::cin, std::cout, std::cerr);
}
