#include "strip/gurmukhi_face.h"

#include "gurmukhi/fonts.h"
#include "gurmukhi/gurmukhi.h"

namespace tarnvel::strip {

GurmukhiFace ChooseGurmukhiFace(const platform::Fonts& fonts, std::string_view legacy) {
    if (fonts.Installed("GurbaniLipi")) return {"GurbaniLipi", std::string(legacy)};
    const std::string_view font =
        gurmukhi::unicode_font([&fonts](std::string_view name) { return fonts.Installed(name); });
    return {std::string(font), gurmukhi::legacy_to_unicode(legacy)};
}

}  // namespace tarnvel::strip
