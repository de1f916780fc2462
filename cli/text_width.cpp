#include "cli/text_width.h"

namespace tarnvel::cli {
namespace {

// Nonspacing marks (general category Mn) of the Gurmukhi block, plus the generic combining
// marks and the zero-width joiners. The spacing vowel signs (ਾ ਿ ੀ, category Mc) take a column.
bool zero_width(char32_t c) noexcept {
    switch (c) {
        case 0x0A01: case 0x0A02: case 0x0A3C: case 0x0A41: case 0x0A42: case 0x0A47: case 0x0A48:
        case 0x0A4B: case 0x0A4C: case 0x0A4D: case 0x0A51: case 0x0A70: case 0x0A71: case 0x0A75:
        case 0x200B: case 0x200C: case 0x200D:
            return true;
        default:
            return c >= 0x0300 && c <= 0x036F;
    }
}

}  // namespace

std::size_t display_width(std::string_view utf8) noexcept {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t c = len == 1 ? lead : lead & (0x7F >> len);
        for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        if (!zero_width(c)) ++width;
        i += len;
    }
    return width;
}

}  // namespace tarnvel::cli
