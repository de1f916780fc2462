// What `tarnvel` makes of its command line before it reaches for a display.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnvel {
namespace {

struct Case {
    std::vector<std::string_view> args;
    CommandLineAsk ask;
    std::string error;
};

TEST(CommandLine, EachArgumentIsCheckedAndTheFirstAnswerWins) {
    const std::vector<Case> cases = {
        {{}, CommandLineAsk::Run, ""},
        {{"--"}, CommandLineAsk::Run, ""},
        {{"--help"}, CommandLineAsk::Help, ""},
        {{"-h"}, CommandLineAsk::Help, ""},
        {{"--version"}, CommandLineAsk::Version, ""},
        {{"--version", "--help"}, CommandLineAsk::Version, ""},
        {{"--help", "--version", "--help"}, CommandLineAsk::Help, ""},
        // A fault anywhere is told, also after an answer.
        {{"--help", "--verbose"}, CommandLineAsk::Refused, "unknown option: --verbose (see tarnvel --help)"},
        {{"--HELP"}, CommandLineAsk::Refused, "unknown option: --HELP (see tarnvel --help)"},
        {{"--help=yes"}, CommandLineAsk::Refused, "unknown option: --help=yes (see tarnvel --help)"},
        {{"-version"}, CommandLineAsk::Refused, "unknown option: -version (see tarnvel --help)"},
        // The toolkit's own options are not passed through.
        {{"-platform", "offscreen"}, CommandLineAsk::Refused, "unknown option: -platform (see tarnvel --help)"},
        {{"-"}, CommandLineAsk::Refused, "takes no arguments: - (see tarnvel --help)"},
        {{"2027-03-14"}, CommandLineAsk::Refused, "takes no arguments: 2027-03-14 (see tarnvel --help)"},
        {{"--", "--help"}, CommandLineAsk::Refused, "takes no arguments: --help (see tarnvel --help)"},
        {{"--version", "file"}, CommandLineAsk::Refused, "takes no arguments: file (see tarnvel --help)"},
        // Control bytes never reach the terminal.
        {{"--x\x1b[2J\n"}, CommandLineAsk::Refused, "unknown option: --x?[2J? (see tarnvel --help)"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (auto a : c.args) shown += std::string(a) + " ";
        SCOPED_TRACE(shown);
        const CommandLine line = ReadCommandLine(c.args);
        EXPECT_EQ(line.ask, c.ask);
        EXPECT_EQ(line.error, c.error);
        EXPECT_EQ(line.error.find('\n'), std::string::npos);
    }
}

}  // namespace
}  // namespace tarnvel
