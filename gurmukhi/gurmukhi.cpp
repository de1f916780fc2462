#include "gurmukhi/gurmukhi.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace tarnvel::gurmukhi {
namespace {

// What a key contributes to a written syllable. A syllable is one base letter with the signs
// that sit on it; the signs are collected per role and written in Unicode order whatever order
// they were typed in.
enum class Kind : std::uint8_t {
    Base,      // consonant, vowel carrier or independent vowel: starts a syllable
    Nukta,     // dot under the base letter
    Attached,  // subjoined letter (virama + consonant), yakash, udaat: belong to the base letter
    Sihari,    // typed before its syllable, written after the base and its subjoined letters
    Vowel,     // other dependent vowel signs; several on one letter are put in visual order
    Top,       // tippi, bindi, adhak: last in the syllable
    Sign,      // digits, dandas, visarga: stand alone and end any syllable
};

struct Key {
    char32_t legacy;
    Kind kind;
    std::u32string_view unicode;
};

// The keyboard layout, one key per entry. Nukta letters are given decomposed (base + U+0A3C)
// because NFC excludes the precomposed forms.
constexpr std::array layout{
    // Vowel carriers and independent vowels.
    Key{U'a', Kind::Base, U"\u0A73"},  // ੳ ura
    Key{U'A', Kind::Base, U"\u0A05"},  // ਅ aira
    Key{U'e', Kind::Base, U"\u0A72"},  // ੲ iri
    Key{U'E', Kind::Base, U"\u0A13"},  // ਓ
    // Consonants.
    Key{U's', Kind::Base, U"\u0A38"},
    Key{U'h', Kind::Base, U"\u0A39"},
    Key{U'k', Kind::Base, U"\u0A15"},
    Key{U'K', Kind::Base, U"\u0A16"},
    Key{U'g', Kind::Base, U"\u0A17"},
    Key{U'G', Kind::Base, U"\u0A18"},
    Key{U'|', Kind::Base, U"\u0A19"},  // ਙ
    Key{U'c', Kind::Base, U"\u0A1A"},
    Key{U'C', Kind::Base, U"\u0A1B"},
    Key{U'j', Kind::Base, U"\u0A1C"},
    Key{U'J', Kind::Base, U"\u0A1D"},
    Key{U'\\', Kind::Base, U"\u0A1E"},  // ਞ
    Key{U't', Kind::Base, U"\u0A1F"},
    Key{U'T', Kind::Base, U"\u0A20"},
    Key{U'f', Kind::Base, U"\u0A21"},
    Key{U'F', Kind::Base, U"\u0A22"},
    Key{U'x', Kind::Base, U"\u0A23"},
    Key{U'q', Kind::Base, U"\u0A24"},
    Key{U'Q', Kind::Base, U"\u0A25"},
    Key{U'd', Kind::Base, U"\u0A26"},
    Key{U'D', Kind::Base, U"\u0A27"},
    Key{U'n', Kind::Base, U"\u0A28"},
    Key{U'p', Kind::Base, U"\u0A2A"},
    Key{U'P', Kind::Base, U"\u0A2B"},
    Key{U'b', Kind::Base, U"\u0A2C"},
    Key{U'B', Kind::Base, U"\u0A2D"},
    Key{U'm', Kind::Base, U"\u0A2E"},
    Key{U'X', Kind::Base, U"\u0A2F"},
    Key{U'r', Kind::Base, U"\u0A30"},
    Key{U'l', Kind::Base, U"\u0A32"},
    Key{U'v', Kind::Base, U"\u0A35"},
    Key{U'V', Kind::Base, U"\u0A5C"},  // ੜ has no decomposition
    // Nukta letters.
    Key{U'S', Kind::Base, U"\u0A38\u0A3C"},  // ਸ਼
    Key{U'^', Kind::Base, U"\u0A16\u0A3C"},  // ਖ਼
    Key{U'Z', Kind::Base, U"\u0A17\u0A3C"},  // ਗ਼
    Key{U'z', Kind::Base, U"\u0A1C\u0A3C"},  // ਜ਼
    Key{U'&', Kind::Base, U"\u0A2B\u0A3C"},  // ਫ਼
    Key{U'L', Kind::Base, U"\u0A32\u0A3C"},  // ਲ਼
    Key{U'\u00E6', Kind::Nukta, U"\u0A3C"},  // æ
    // Subjoined letters and other signs of the base letter.
    Key{U'R', Kind::Attached, U"\u0A4D\u0A30"},
    Key{U'\u00AE', Kind::Attached, U"\u0A4D\u0A30"},  // ® lower subjoined ra
    Key{U'H', Kind::Attached, U"\u0A4D\u0A39"},
    Key{U'\u00CD', Kind::Attached, U"\u0A4D\u0A35"},  // Í
    Key{U'\u00E7', Kind::Attached, U"\u0A4D\u0A1A"},  // ç
    Key{U'\u2020', Kind::Attached, U"\u0A4D\u0A1F"},  // †
    Key{U'\u0153', Kind::Attached, U"\u0A4D\u0A24"},  // œ
    Key{U'\u02DC', Kind::Attached, U"\u0A4D\u0A28"},  // ˜
    Key{U'\u00CE', Kind::Attached, U"\u0A4D\u0A2F"},  // Î half ya
    Key{U'\u00B4', Kind::Attached, U"\u0A75"},        // ´ yakash
    Key{U'@', Kind::Attached, U"\u0A51"},             // udaat
    // Vowel signs.
    Key{U'i', Kind::Sihari, U"\u0A3F"},
    Key{U'w', Kind::Vowel, U"\u0A3E"},
    Key{U'I', Kind::Vowel, U"\u0A40"},
    Key{U'u', Kind::Vowel, U"\u0A41"},
    Key{U'\u00FC', Kind::Vowel, U"\u0A41"},  // ü lower aunkar
    Key{U'U', Kind::Vowel, U"\u0A42"},
    Key{U'\u00A8', Kind::Vowel, U"\u0A42"},  // ¨ lower dulainkar
    Key{U'y', Kind::Vowel, U"\u0A47"},
    Key{U'Y', Kind::Vowel, U"\u0A48"},
    Key{U'o', Kind::Vowel, U"\u0A4B"},
    Key{U'O', Kind::Vowel, U"\u0A4C"},
    // Nasals and adhak.
    Key{U'M', Kind::Top, U"\u0A70"},
    Key{U'\u00B5', Kind::Top, U"\u0A70"},  // µ
    Key{U'N', Kind::Top, U"\u0A02"},
    Key{U'\u02C6', Kind::Top, U"\u0A02"},  // ˆ
    Key{U'`', Kind::Top, U"\u0A71"},
    Key{U'~', Kind::Top, U"\u0A71"},
    // Stand-alone signs.
    Key{U'0', Kind::Sign, U"\u0A66"},
    Key{U'1', Kind::Sign, U"\u0A67"},
    Key{U'2', Kind::Sign, U"\u0A68"},
    Key{U'3', Kind::Sign, U"\u0A69"},
    Key{U'4', Kind::Sign, U"\u0A6A"},
    Key{U'5', Kind::Sign, U"\u0A6B"},
    Key{U'6', Kind::Sign, U"\u0A6C"},
    Key{U'7', Kind::Sign, U"\u0A6D"},
    Key{U'8', Kind::Sign, U"\u0A6E"},
    Key{U'9', Kind::Sign, U"\u0A6F"},
    Key{U'[', Kind::Sign, U"\u0964"},
    Key{U']', Kind::Sign, U"\u0965"},
    Key{U'\u00DA', Kind::Sign, U"\u0A03"},  // Ú visarga
};

// Keys whose glyph is a ligature of other keys; they are converted as if those were typed.
struct Ligature {
    char32_t legacy;
    std::u32string_view keys;
};
constexpr std::array ligatures{
    Ligature{U'W', U"wN"},        // ਾਂ
    Ligature{U'\u0192', U"nUM"},  // ƒ ਨੂੰ
};

// "<>" together draw ੴ; either half alone is not a character and passes through.
constexpr char32_t ek_onkar_first = U'<';
constexpr char32_t ek_onkar_second = U'>';
constexpr std::u32string_view ek_onkar = U"\u0A74";

// A carrier followed by its first vowel sign is written as the independent vowel.
struct Carrier {
    char32_t carrier;
    char32_t sign;
    char32_t vowel;
};
constexpr std::array carriers{
    Carrier{U'\u0A73', U'\u0A41', U'\u0A09'},  // ਉ
    Carrier{U'\u0A73', U'\u0A42', U'\u0A0A'},  // ਊ
    Carrier{U'\u0A73', U'\u0A4B', U'\u0A13'},  // ਓ
    Carrier{U'\u0A05', U'\u0A3E', U'\u0A06'},  // ਆ
    Carrier{U'\u0A05', U'\u0A48', U'\u0A10'},  // ਐ
    Carrier{U'\u0A05', U'\u0A4C', U'\u0A14'},  // ਔ
    Carrier{U'\u0A72', U'\u0A3F', U'\u0A07'},  // ਇ
    Carrier{U'\u0A72', U'\u0A40', U'\u0A08'},  // ਈ
    Carrier{U'\u0A72', U'\u0A47', U'\u0A0F'},  // ਏ
};

// Windows-1252 for bytes 0x80..0x9F; the five bytes it leaves undefined keep their C1 value.
constexpr std::array<char32_t, 32> cp1252_high{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t replacement = U'\uFFFD';
constexpr char32_t sihari = U'\u0A3F';
constexpr char32_t nukta = U'\u0A3C';
constexpr char32_t virama = U'\u0A4D';

// Where a vowel sign is drawn (Unicode's Indic_Positional_Category). Two vowel signs on one
// letter, as in ਸੋੁਹੰਦਾ, are written left, top, bottom, right: the mark order shaping engines
// expect, and the order published Unicode Gurbani text uses.
int vowel_position(char32_t c) {
    switch (c) {
        case U'\u0A3F': return 0;  // ਿ left
        case U'\u0A47':
        case U'\u0A48':
        case U'\u0A4B':
        case U'\u0A4C': return 1;  // ੇ ੈ ੋ ੌ top
        case U'\u0A41':
        case U'\u0A42': return 2;  // ੁ ੂ bottom
        default: return 3;         // ਾ ੀ right
    }
}

bool is_c1(char32_t c) { return c >= 0x80 && c <= 0x9F; }

const Key* find_key(char32_t c) {
    auto it = std::ranges::find(layout, c, &Key::legacy);
    return it == layout.end() ? nullptr : &*it;
}

const Ligature* find_ligature(char32_t c) {
    auto it = std::ranges::find(ligatures, c, &Ligature::legacy);
    return it == ligatures.end() ? nullptr : &*it;
}

// Builds the Unicode text one key at a time. At most one syllable is open; it is written out
// when something that cannot belong to it arrives.
class Converter {
public:
    void feed(char32_t c) {
        if (const Ligature* lig = find_ligature(c)) {
            for (char32_t k : lig->keys) feed(k);
            return;
        }
        const Key* key = find_key(c);
        if (!key) {
            pass(std::u32string_view(&c, 1));
            return;
        }
        switch (key->kind) {
            case Kind::Base:
                close_syllable();
                syllable_ = Syllable{};
                syllable_->base = key->unicode;
                syllable_->sihari = std::exchange(sihari_pending_, false);
                break;
            case Kind::Sihari:
                close_syllable();
                release_sihari();
                sihari_pending_ = true;
                break;
            case Kind::Sign:
                pass(key->unicode);
                break;
            case Kind::Nukta:
            case Kind::Attached:
            case Kind::Vowel:
            case Kind::Top:
                if (syllable_) {
                    syllable_->bucket(key->kind) += key->unicode;
                } else {
                    // A sign with no letter to sit on is kept where it was typed.
                    release_sihari();
                    out_ += key->unicode;
                }
                break;
        }
    }

    // Text that is not part of any syllable.
    void pass(std::u32string_view text) {
        close_syllable();
        release_sihari();
        out_ += text;
    }

    std::u32string finish() {
        close_syllable();
        release_sihari();
        return std::move(out_);
    }

private:
    struct Syllable {
        std::u32string base, nukta, attached, vowels, top;
        bool sihari = false;

        std::u32string& bucket(Kind k) {
            switch (k) {
                case Kind::Nukta: return nukta;
                case Kind::Attached: return attached;
                case Kind::Top: return top;
                default: return vowels;
            }
        }
    };

    void close_syllable() {
        if (!syllable_) return;
        Syllable& s = *syllable_;
        if (s.sihari) s.vowels.insert(s.vowels.begin(), sihari);
        std::ranges::stable_sort(s.vowels, {}, vowel_position);
        if (s.base.size() == 1 && !s.vowels.empty()) {
            for (const Carrier& c : carriers) {
                if (c.carrier == s.base[0] && c.sign == s.vowels[0]) {
                    s.base[0] = c.vowel;
                    s.vowels.erase(0, 1);
                    break;
                }
            }
        }
        out_ += s.base;
        out_ += s.nukta;
        out_ += s.attached;
        out_ += s.vowels;
        out_ += s.top;
        syllable_.reset();
    }

    // A sihari that found no letter after it stays where it was typed.
    void release_sihari() {
        if (std::exchange(sihari_pending_, false)) out_ += sihari;
    }

    std::u32string out_;
    std::optional<Syllable> syllable_;
    bool sihari_pending_ = false;
};

int combining_class(char32_t c) {
    if (c == nukta) return 7;
    if (c == virama) return 9;
    return 0;
}

// NFC for the Gurmukhi block: the composition-excluded nukta letters are decomposed, and each
// run of nukta/virama marks is put in canonical order. Gurmukhi has no canonical compositions
// beyond those letters, so nothing needs composing.
std::u32string to_nfc(std::u32string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        switch (c) {
            case U'\u0A33': out += U"\u0A32\u0A3C"; break;
            case U'\u0A36': out += U"\u0A38\u0A3C"; break;
            case U'\u0A59': out += U"\u0A16\u0A3C"; break;
            case U'\u0A5A': out += U"\u0A17\u0A3C"; break;
            case U'\u0A5B': out += U"\u0A1C\u0A3C"; break;
            case U'\u0A5E': out += U"\u0A2B\u0A3C"; break;
            default: out += c;
        }
    }
    for (std::size_t i = 0; i < out.size();) {
        std::size_t end = i;
        while (end < out.size() && combining_class(out[end]) != 0) ++end;
        if (end > i) {
            std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(i),
                             out.begin() + static_cast<std::ptrdiff_t>(end),
                             [](char32_t a, char32_t b) { return combining_class(a) < combining_class(b); });
            i = end;
        } else {
            ++i;
        }
    }
    return out;
}

// Strict UTF-8 (no overlongs, surrogates or values past U+10FFFF). Each maximal ill-formed
// subpart becomes one U+FFFD, the practice Unicode recommends.
std::u32string decode_utf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            out += b0;
            ++i;
            continue;
        }
        std::size_t len = 0;
        char32_t cp = 0;
        unsigned char lo = 0x80;
        unsigned char hi = 0xBF;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            len = 2;
            cp = b0 & 0x1Fu;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            len = 3;
            cp = b0 & 0x0Fu;
            if (b0 == 0xE0) lo = 0xA0;  // overlong
            if (b0 == 0xED) hi = 0x9F;  // surrogates
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            len = 4;
            cp = b0 & 0x07u;
            if (b0 == 0xF0) lo = 0x90;  // overlong
            if (b0 == 0xF4) hi = 0x8F;  // past U+10FFFF
        } else {
            out += replacement;
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool ok = true;
        for (std::size_t k = 1; k < len; ++k, ++j) {
            if (j >= s.size()) {
                ok = false;
                break;
            }
            const auto b = static_cast<unsigned char>(s[j]);
            if (b < lo || b > hi) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (b & 0x3Fu);
            lo = 0x80;
            hi = 0xBF;
        }
        out += ok ? cp : replacement;
        i = j;
    }
    return out;
}

std::string encode_utf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string convert(std::u32string_view text) {
    Converter conv;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c == ek_onkar_first && i + 1 < text.size() && text[i + 1] == ek_onkar_second) {
            conv.pass(ek_onkar);
            ++i;
            continue;
        }
        // A C1 control stands for the Windows-1252 byte of the same value when that byte is a
        // key of the layout (text decoded as Latin-1 instead of 1252).
        if (is_c1(c)) {
            const char32_t w = cp1252_high[c - 0x80];
            if (find_key(w) || find_ligature(w)) c = w;
        }
        conv.feed(c);
    }
    return encode_utf8(to_nfc(conv.finish()));
}

}  // namespace

std::string legacy_to_unicode(std::string_view utf8_legacy) {
    return convert(decode_utf8(utf8_legacy));
}

std::string legacy_latin1_to_unicode(std::string_view latin1_bytes) {
    std::u32string text;
    text.reserve(latin1_bytes.size());
    for (char ch : latin1_bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text += is_c1(b) ? cp1252_high[b - 0x80] : char32_t{b};
    }
    return convert(text);
}

}  // namespace tarnvel::gurmukhi
