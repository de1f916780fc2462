#include "strip/gurmukhi_face.h"

#include "gurmukhi/gurmukhi.h"

namespace tarnvel::strip {

GurmukhiFace ChooseGurmukhiFace(const platform::Fonts& fonts, std::string_view legacy) {
    if (fonts.Installed("GurbaniLipi")) return {"GurbaniLipi", std::string(legacy)};
    // Named explicitly: a fallback font chosen by the system may space Gurmukhi badly.
    // Where neither is installed the system's fallback still draws the Unicode text.
    std::string font = fonts.Installed("Lohit Gurmukhi") && !fonts.Installed("Noto Sans Gurmukhi")
                           ? "Lohit Gurmukhi"
                           : "Noto Sans Gurmukhi";
    return {font, gurmukhi::legacy_to_unicode(legacy)};
}

}  // namespace tarnvel::strip
