// libFuzzer entry for the GurbaniLipi-to-Unicode converter. The input is taken both as UTF-8 and
// as 8-bit text; besides crashes, hangs and sanitizer findings, the run aborts when a promise of
// the converter breaks:
//  - the output is well-formed UTF-8, and not empty unless the input is;
//  - it holds no letter that NFC excludes and no nukta after a virama;
//  - the 8-bit conversion equals the UTF-8 conversion of the same bytes decoded as Windows-1252;
//  - converted text converts to itself: Unicode Gurmukhi is outside the layout and passes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "gurmukhi/gurmukhi.h"

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

// Well-formed byte sequences as the Unicode standard tables them: the lead byte fixes the range
// of the byte after it, the others are 80..BF.
bool well_formed(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        if (b <= 0x7F) n = 1;
        else if (b >= 0xC2 && b <= 0xDF) n = 2;
        else if (b >= 0xE0 && b <= 0xEF) n = 3, lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
        else if (b >= 0xF0 && b <= 0xF4) n = 4, lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
        else return false;
        if (i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF)) return false;
        }
        i += n;
    }
    return true;
}

// Windows-1252's characters for 80..9F in UTF-8; the five it leaves undefined stay C1 controls.
constexpr std::string_view kCp1252High[32] = {
    "\xE2\x82\xAC", "\xC2\x81", "\xE2\x80\x9A", "\xC6\x92", "\xE2\x80\x9E", "\xE2\x80\xA6",
    "\xE2\x80\xA0", "\xE2\x80\xA1", "\xCB\x86", "\xE2\x80\xB0", "\xC5\xA0", "\xE2\x80\xB9",
    "\xC5\x92", "\xC2\x8D", "\xC5\xBD", "\xC2\x8F", "\xC2\x90", "\xE2\x80\x98",
    "\xE2\x80\x99", "\xE2\x80\x9C", "\xE2\x80\x9D", "\xE2\x80\xA2", "\xE2\x80\x93", "\xE2\x80\x94",
    "\xCB\x9C", "\xE2\x84\xA2", "\xC5\xA1", "\xE2\x80\xBA", "\xC5\x93", "\xC2\x9D",
    "\xC5\xBE", "\xC5\xB8",
};

std::string cp1252_to_utf8(std::string_view bytes) {
    std::string out;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (b < 0xA0) {
            out += kCp1252High[b - 0x80];
        } else {  // Latin-1: U+00A0..U+00FF
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

void check_output(std::string_view in, const std::string& out) {
    require(well_formed(out));
    require(in.empty() == out.empty());
    for (std::string_view excluded : {"\u0A33", "\u0A36", "\u0A59", "\u0A5A", "\u0A5B", "\u0A5E"})
        require(out.find(excluded) == std::string::npos);
    require(out.find("\u0A4D\u0A3C") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string from_utf8 = tarnvel::gurmukhi::legacy_to_unicode(bytes);
    check_output(bytes, from_utf8);
    const std::string from_8bit = tarnvel::gurmukhi::legacy_latin1_to_unicode(bytes);
    check_output(bytes, from_8bit);
    require(from_8bit == tarnvel::gurmukhi::legacy_to_unicode(cp1252_to_utf8(bytes)));
    require(tarnvel::gurmukhi::legacy_to_unicode(from_utf8) == from_utf8);
    return 0;
}
