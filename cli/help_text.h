#pragma once

#include <string_view>

namespace tarnvel::cli {

inline constexpr std::string_view VersionText = "nanakshahi (Tarnvel) 1.0\n";

inline constexpr std::string_view HelpText =
    "Usage: nanakshahi [--gurmukhi | --legacy] [DATE...]\n"
    "       nanakshahi --range FROM TO\n"
    "       nanakshahi --month [YEAR MONTH]\n"
    "       nanakshahi --upcoming [N]\n"
    "       nanakshahi --unicode < legacy.txt > unicode.txt\n"
    "\n"
    "Shows dates of the Nanakshahi calendar, whose year begins on 1 Chet (14 March).\n"
    "Dates are written YYYY-MM-DD, from 1469-03-14 (1 Chet, Sammat 1) to 9999-12-31.\n"
    "\n"
    "  DATE...          the date of each DATE (default: today), e.g.\n"
    "                   22 Maghar, Sammat 558 Nanakshahi\n"
    "  --gurmukhi       the same line in Gurmukhi script (Unicode)\n"
    "  --legacy         the same line in the GurbaniLipi font encoding\n"
    "  --range FROM TO  one line per day from FROM to TO: date, day, month number,\n"
    "                   year and the date line, separated by tabs\n"
    "  --month [YEAR MONTH]\n"
    "                   the current month, or month MONTH (1 = Chet .. 12 = Phagan)\n"
    "                   of Nanakshahi year YEAR, as a calendar with Gregorian dates\n"
    "  --upcoming [N]   the next N (default 5) New Years and observances\n"
    "  --unicode        convert text typed in the GurbaniLipi encoding on standard\n"
    "                   input to Unicode Gurmukhi on standard output\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Exit status: 0 on success, 1 on a read or write failure, 2 on bad arguments.\n";

}  // namespace tarnvel::cli
