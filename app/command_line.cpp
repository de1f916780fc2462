#include "app/command_line.h"

namespace tarnvel {
namespace {

// An argument as it may appear inside a one-line message: control bytes show as '?'.
std::string Shown(std::string_view a) {
    std::string s(a);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return s;
}

}  // namespace

CommandLine ReadCommandLine(std::span<const std::string_view> args) {
    CommandLine line;
    bool options_end = false;
    for (const std::string_view a : args) {
        const bool option = !options_end && a.size() > 1 && a.front() == '-';
        CommandLineAsk ask = CommandLineAsk::Refused;
        if (option && (a == "--help" || a == "-h")) ask = CommandLineAsk::Help;
        if (option && a == "--version") ask = CommandLineAsk::Version;
        if (option && a == "--") {
            options_end = true;
            continue;
        }
        if (ask == CommandLineAsk::Refused) {
            line.ask = CommandLineAsk::Refused;
            line.error = (option ? "unknown option: " : "takes no arguments: ") + Shown(a) + " (see tarnvel --help)";
            return line;
        }
        if (line.ask == CommandLineAsk::Run) line.ask = ask;
    }
    return line;
}

std::string HelpText() {
    return "Usage: tarnvel [--help | --version]\n"
           "\n"
           "Shows today's Gregorian and Nanakshahi dates in a small strip on the desktop,\n"
           "counts down to the Nanakshahi New Year and to observances, and keeps an icon in\n"
           "the notification area, whose menu ends it. Starting it again brings the running\n"
           "calendar forward.\n"
           "\n"
           "  --help     show this help\n"
           "  --version  show the version\n"
           "\n"
#ifndef _WIN32
           "The calendar is an X11 program; in a Wayland session it runs through XWayland.\n"
#endif
           "Exit status: 0 on success, 1 when it cannot start, 2 on bad arguments.\n";
}

std::string VersionText() { return "tarnvel (Tarnvel) " TARNVEL_VERSION "\n"; }

}  // namespace tarnvel
