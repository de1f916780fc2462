#include "richtext/utf.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarnvel::richtext {

namespace {

// One unit that is not ASCII, or a surrogate pair, at `p`; returns the unit after it.
const char16_t* encode_one(const char16_t* p, const char16_t* end, char*& out) {
    const auto put = [&](unsigned v) { *out++ = static_cast<char>(v); };
    char32_t c = *p++;
    if (c >= 0xD800 && c <= 0xDBFF && p < end && *p >= 0xDC00 && *p <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (*p++ - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
        c = 0xFFFD;
    }
    if (c < 0x80) {
        put(c);
        return p;
    }
    if (c < 0x800) {
        put(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
    }
    put(0x80 | (c & 0x3F));
    return p;
}

}  // namespace

std::size_t encode_utf8(std::u16string_view text, char* out) {
    char* const begin = out;
    const char16_t* p = text.data();
    const char16_t* const end = p + text.size();
    while (p < end) {
#if defined(__SSE2__)
        // Documents are mostly ASCII: sixteen units at a time, and where a block holds other
        // units, its ASCII head at once. A block's 16 bytes are stored whole: with 16 units left
        // there is room for 48.
        const __m128i high = _mm_set1_epi16(static_cast<short>(0xFF80));
        const __m128i zero = _mm_setzero_si128();
        while (end - p >= 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 8));
            const __m128i ascii_a = _mm_cmpeq_epi16(_mm_and_si128(a, high), zero);
            const __m128i ascii_b = _mm_cmpeq_epi16(_mm_and_si128(b, high), zero);
            const auto ascii = static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(ascii_a, ascii_b)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(a, b));
            const int head = std::countr_one(ascii);
            p += head;
            out += head;
            if (head < 16) break;
        }
        if (p == end) break;
#endif
        if (*p < 0x80) {
            *out++ = static_cast<char>(*p++);
            continue;
        }
        do p = encode_one(p, end, out);
        while (p < end && *p >= 0x80);
    }
    return static_cast<std::size_t>(out - begin);
}

void append_utf8(std::string& out, std::u16string_view text) {
    const std::size_t old = out.size();
    out.resize(old + text.size() * 3);
    out.resize(old + encode_utf8(text, out.data() + old));
}

std::string to_utf8(std::u16string_view text) {
    std::string out;
    append_utf8(out, text);
    return out;
}

std::u16string from_utf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto t = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((t >> 6) != 2) ok = false;
            c = (c << 6) | (t & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (ok && (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))) ok = false;
        if (!ok) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

}  // namespace tarnvel::richtext
