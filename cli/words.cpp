#include "cli/words.h"

#include <array>
#include <charconv>

#include "calendar/nanakshahi_date.h"

namespace tarnvel::cli {
namespace {

constexpr std::array<std::string_view, 12> GregorianMonths{"January", "February", "March",     "April",
                                                           "May",     "June",     "July",      "August",
                                                           "September", "October", "November", "December"};

constexpr char lower(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::vector<std::string_view> split_words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ' ' || text[i] == ',') {
            if (i > start) words.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return words;
}

std::string join_words(std::span<const std::string_view> words) {
    std::string s;
    for (const std::string_view w : words) {
        if (!s.empty()) s += ' ';
        s += w;
    }
    return s;
}

bool same_ignoring_case(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

bool all_digits(std::string_view text) noexcept {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::optional<int> bounded_number(std::string_view text, int lo, int hi) noexcept {
    if (!all_digits(text)) return std::nullopt;
    int n = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), n);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || n < lo || n > hi) return std::nullopt;
    return n;
}

std::optional<int> nanakshahi_month_named(std::string_view word) noexcept {
    for (std::size_t i = 0; i < NanakshahiMonths.size(); ++i)
        if (same_ignoring_case(word, NanakshahiMonths[i].english)) return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::optional<int> gregorian_month_named(std::string_view word) noexcept {
    for (std::size_t i = 0; i < GregorianMonths.size(); ++i)
        if (same_ignoring_case(word, GregorianMonths[i]) || same_ignoring_case(word, GregorianMonths[i].substr(0, 3)))
            return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::string_view gregorian_month_name(int month) noexcept {
    return GregorianMonths[static_cast<std::size_t>(month - 1)];
}

}  // namespace tarnvel::cli
