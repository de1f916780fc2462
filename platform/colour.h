#pragma once
// Colours as platform colour values &H00BBGGRR&: red in the low byte.

#include <cstdint>

namespace tarnvel::platform {

using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) noexcept {
    return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}
constexpr std::uint8_t Red(Colour c) noexcept { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t Green(Colour c) noexcept { return static_cast<std::uint8_t>(c >> 8 & 0xFF); }
constexpr std::uint8_t Blue(Colour c) noexcept { return static_cast<std::uint8_t>(c >> 16 & 0xFF); }

}  // namespace tarnvel::platform
