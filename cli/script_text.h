#pragma once
// The Nanakshahi side of a view in the script it is written in: month names, the words of the
// date line, numbers, and the names of the New Year and of the observances. English; Unicode
// Gurmukhi, with Gurmukhi digits as the Gurmukhi date line has them; or the GurbaniLipi
// keyboard encoding, whose digits are ASCII. Gregorian dates and weekdays are the same in all.

#include <array>
#include <string>
#include <string_view>

#include "calendar/event_finder.h"
#include "calendar/nanakshahi_date.h"

namespace tarnvel::cli {

enum class Script { English, Gurmukhi, Legacy };

class ScriptText {
public:
    explicit ScriptText(Script script);

    std::string_view month(int month) const { return months_[static_cast<std::size_t>(month - 1)]; }
    std::string_view sammat() const { return sammat_; }
    std::string_view nanakshahi() const { return nanakshahi_; }
    std::string_view new_year() const { return new_year_; }

    void append_number(std::string& out, int n) const;
    std::string number(int n) const;

    // The date line: "22 Maghar, Sammat 558 Nanakshahi" and its Gurmukhi forms, the same text
    // as the conversion's lines give.
    void append_line(std::string& out, NanakshahiFields f) const;
    std::string line(NanakshahiFields f) const;

    // "Chet, Sammat 558" (the line without its day and its last word).
    std::string month_and_year(int month, int year) const;

    // The observance's name; the English name for one that has no Gurmukhi name here.
    std::string observance(const Observance& o) const;

private:
    Script script_;
    std::array<std::string, 12> months_;
    std::string sammat_, nanakshahi_, new_year_;
};

// Built once for each script.
const ScriptText& script_text(Script script);

// Whether every observance of the countdown has a Gurmukhi name.
bool every_observance_has_a_gurmukhi_name();

}  // namespace tarnvel::cli
