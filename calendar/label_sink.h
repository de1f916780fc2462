#pragma once
// Where the greeting and countdown line goes: the strip's message label in the
// program, a recording sink in tests.

#include <cstdint>
#include <string_view>

namespace tarnvel {

// Colours are platform colour values &H00BBGGRR&.
inline constexpr std::uint32_t ColourSaffron = 0x001191D4;

class Label6Sink {
public:
    virtual ~Label6Sink() = default;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetForeColor(std::uint32_t colour) = 0;
    virtual void SetCaption(std::string_view caption) = 0;
};

}  // namespace tarnvel
