#pragma once
// The observance countdown: announces a fixed observance from five days ahead
// and greets it on its day, on the strip's message line.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calendar/label_sink.h"

namespace tarnvel {

struct Observance {
    int month;  // Gregorian month and day; at most one observance a month
    int day;
    std::string_view name;
    std::string_view greeting;  // put before the name on the day itself
};

inline constexpr std::array<Observance, 2> Observances{{
    {4, 14, "Vaisakhi", "Happy "},
    {11, 26, "Parkash Purab - Guru Nanak Sahib", ""},
}};

// The search state, kept between searches for the whole run.
struct EventSearchState {
    bool EventFound = false;
    std::int16_t EventDay = 0;
    std::string EventName;
    std::string EventGreeting;
    std::int16_t DaysToEvent = -1;  // 0 = an observance is today; -1 = nothing today
};

// A day or month given as a number or as a digit text such as "05".
class DayNumber {
public:
    constexpr DayNumber(long long n) noexcept : value_(n) {}
    constexpr DayNumber(int n) noexcept : value_(n) {}
    DayNumber(std::string_view text) noexcept;
    DayNumber(const char* text) noexcept : DayNumber(std::string_view(text)) {}
    DayNumber(const std::string& text) noexcept : DayNumber(std::string_view(text)) {}
    // Empty when the text is not a whole number.
    constexpr std::optional<long long> value() const noexcept { return value_; }

private:
    std::optional<long long> value_;
};

// One search for the observance up to five days from Day of Month, in `year`
// (whose leap year decides February's length when the search steps into March).
void find_upcoming_event(EventSearchState& state, Label6Sink& label, int year, DayNumber Day, DayNumber Month,
                         std::span<const Observance> table = Observances);

// The program-wide search state.
inline EventSearchState ModuleEventFinder;

// Searches with the program-wide state, in the year of ModuleNanakshahiDate.
void Find_UpcomingEvent(DayNumber Day, DayNumber Month, Label6Sink& label);

// The same caption text for callers that list observances outside the strip.
std::string observance_caption(const Observance& o, int days_to_event);

}  // namespace tarnvel
