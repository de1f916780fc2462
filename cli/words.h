#pragma once
// Dates and months typed by hand: words split at spaces and commas, names in any case.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarnvel::cli {

// The words of `text`, split at spaces and commas; empty words are dropped.
std::vector<std::string_view> split_words(std::string_view text);

// The words joined again with single spaces, to show them in a message.
std::string join_words(std::span<const std::string_view> words);

bool same_ignoring_case(std::string_view a, std::string_view b) noexcept;

// A plain decimal number from lo to hi: digits only, no sign, no space.
std::optional<int> bounded_number(std::string_view text, int lo, int hi) noexcept;

bool all_digits(std::string_view text) noexcept;

// 1 = Chet .. 12 = Phagan, by the month's English name.
std::optional<int> nanakshahi_month_named(std::string_view word) noexcept;

// 1 = January .. 12 = December, by the full name or its first three letters.
std::optional<int> gregorian_month_named(std::string_view word) noexcept;

std::string_view gregorian_month_name(int month) noexcept;  // "January" .. "December"

}  // namespace tarnvel::cli
