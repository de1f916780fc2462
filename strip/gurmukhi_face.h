#pragma once
// How the Gurmukhi date is shown: in GurbaniLipi where that font is installed,
// otherwise converted to Unicode and shown in a named Unicode Gurmukhi font, so
// the Latin letters of the keyboard encoding never reach the screen.

#include <string>
#include <string_view>

#include "platform/world.h"

namespace tarnvel::strip {

struct GurmukhiFace {
    std::string font_name;
    std::string text;
};

// `legacy` is text in the GurbaniLipi keyboard encoding.
GurmukhiFace ChooseGurmukhiFace(const platform::Fonts& fonts, std::string_view legacy);

}  // namespace tarnvel::strip
