// tarnvel: the Nanakshahi calendar.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "app/program.h"
#include "platform/application.h"

namespace {

// --help and --version on standard output; a failed write is a failure of the command.
int Answer(const std::string& text) {
    if (std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0) return 0;
    std::fprintf(stderr, "tarnvel: cannot write to standard output\n");
    return tarnvel::StatusCannotStart;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const tarnvel::CommandLine line = tarnvel::ReadCommandLine(args);
    switch (line.ask) {
        case tarnvel::CommandLineAsk::Help: return Answer(tarnvel::HelpText());
        case tarnvel::CommandLineAsk::Version: return Answer(tarnvel::VersionText());
        case tarnvel::CommandLineAsk::Refused:
            std::fprintf(stderr, "tarnvel: %s\n", line.error.c_str());
            return tarnvel::StatusBadArguments;
        case tarnvel::CommandLineAsk::Run: break;
    }
    std::string error;
    auto app = tarnvel::platform::Application::Start(argc, argv, error);
    if (!app) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return tarnvel::StatusCannotStart;
    }
    return tarnvel::RunProgram(*app);
}
