#pragma once
// The Unicode Gurmukhi fonts the windows name when the legacy GurbaniLipi font is missing,
// in order of preference: Debian's two, then the two that Windows ships (Nirmala UI since
// Windows 8, Raavi before it). Named explicitly because a fallback chosen by the system may
// space Gurmukhi badly.

#include <array>
#include <string_view>

namespace tarnvel::gurmukhi {

inline constexpr std::array<std::string_view, 4> kUnicodeFonts = {
    "Noto Sans Gurmukhi", "Lohit Gurmukhi", "Nirmala UI", "Raavi"};

// The first installed font of kUnicodeFonts; the first of them when none is, so that a font
// installed later is taken up and the system's fallback draws the text meanwhile.
template <class Installed>
std::string_view unicode_font(Installed&& installed) {
    for (std::string_view font : kUnicodeFonts)
        if (installed(font)) return font;
    return kUnicodeFonts.front();
}

}  // namespace tarnvel::gurmukhi
