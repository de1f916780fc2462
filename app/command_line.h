#pragma once
// The command line of `tarnvel`, read before the program connects to a display, so that
// --help and --version answer anywhere. The calendar itself takes no arguments.

#include <span>
#include <string>
#include <string_view>

namespace tarnvel {

enum class CommandLineAsk { Run, Help, Version, Refused };

struct CommandLine {
    CommandLineAsk ask = CommandLineAsk::Run;
    std::string error;  // Refused: one line naming the argument, without program name or newline
};

// `args` excludes the program name. Every argument is checked and the first fault is told;
// when there is none, the first of --help and --version is the answer.
CommandLine ReadCommandLine(std::span<const std::string_view> args);

// What --help and --version print on standard output.
std::string HelpText();
std::string VersionText();

// Exit statuses other than the main loop's own: no display or no running calendar to
// reach, and a command line that is refused.
inline constexpr int StatusCannotStart = 1;
inline constexpr int StatusBadArguments = 2;

}  // namespace tarnvel
