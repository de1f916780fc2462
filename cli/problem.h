#pragma once
// Why a command line cannot be carried out.

#include <string>

namespace tarnvel::cli {

enum class Fault {
    None,
    BadInput,  // the arguments: exit status 2
    Clock,     // the arguments need today, and the local date is outside the calendar: status 1
};

struct Problem {
    Fault fault = Fault::None;
    std::string message;  // one line, without the program's name or a newline
    explicit operator bool() const noexcept { return fault != Fault::None; }
};

inline Problem bad_input(std::string message) { return {Fault::BadInput, std::move(message)}; }

}  // namespace tarnvel::cli
