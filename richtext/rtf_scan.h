#pragma once
// The reader's byte-level scanning: classes of bytes, hex and decimal digits, and the runs of
// plain ASCII text that make up most of a document, taken 16 (SSE2) or 8 bytes at a time.
// Internal to the reader; everything here sees every byte of a document, so it is inline.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarnvel::richtext::detail {

enum : unsigned char { kAlpha = 1, kPlainText = 2 };
inline constexpr auto kByteClass = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 'a'; c <= 'z'; ++c) t[static_cast<std::size_t>(c)] |= kAlpha;
    for (int c = 'A'; c <= 'Z'; ++c) t[static_cast<std::size_t>(c)] |= kAlpha;
    // Printable ASCII that stands for itself in the body.
    for (int c = 0x20; c <= 0x7E; ++c)
        if (c != '\\' && c != '{' && c != '}') t[static_cast<std::size_t>(c)] |= kPlainText;
    return t;
}();

inline bool is_alpha(char c) { return (kByteClass[static_cast<unsigned char>(c)] & kAlpha) != 0; }
inline bool is_plain_text(char c) { return (kByteClass[static_cast<unsigned char>(c)] & kPlainText) != 0; }

// The value of a decimal digit; 10 or more for any other byte.
inline unsigned digit_value(char c) { return static_cast<unsigned>(static_cast<unsigned char>(c) - '0'); }
inline bool is_digit(char c) { return digit_value(c) < 10; }

inline constexpr auto kHexValue = [] {
    std::array<signed char, 256> t{};
    t.fill(-1);
    for (int c = 0; c < 10; ++c) t[static_cast<std::size_t>('0' + c)] = static_cast<signed char>(c);
    for (int c = 0; c < 6; ++c) {
        t[static_cast<std::size_t>('a' + c)] = static_cast<signed char>(10 + c);
        t[static_cast<std::size_t>('A' + c)] = static_cast<signed char>(10 + c);
    }
    return t;
}();
// 0 to 15, or -1 for a byte that is not a hex digit.
inline int hex_value(char c) { return kHexValue[static_cast<unsigned char>(c)]; }

// The number of up to 8 decimal digits at `p`, where 8 bytes can be read, and their value:
// {count, value}; count 8 means 8 or more. Taken 8 bytes at once where bytes are little-endian
// (a \uN of a Gurmukhi letter has four digits, and there is one per letter).
struct Digits {
    int count;
    std::uint32_t value;
};
inline Digits leading_digits8(const char* p) {
    if constexpr (std::endian::native == std::endian::little) {
        std::uint64_t x;
        std::memcpy(&x, p, sizeof x);
        // Digits give bytes 0..9. Only the bytes up to the first other one matter: a borrow or a
        // carry out of that one reaches only the bytes after it.
        const std::uint64_t t = x - 0x3030303030303030u;
        const std::uint64_t other = ((t + 0x7676767676767676u) | t) & 0x8080808080808080u;
        const int count = std::countr_zero(other) / 8;  // 8 when there is none
        if (count == 0) return {0, 0};
        // The digits moved to the top, as if led by zeros, then combined pairwise.
        std::uint64_t v = t << (8 * (8 - count));
        v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFu;
        v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFu;
        v = (v * 10000 + (v >> 32)) & 0xFFFFFFFFu;
        return {count, static_cast<std::uint32_t>(v)};
    } else {
        Digits d{0, 0};
        for (unsigned k; d.count < 8 && (k = digit_value(p[d.count])) <= 9; ++d.count) d.value = d.value * 10 + k;
        return d;
    }
}

// How many bytes from `p` on, up to `end`, are plain text (is_plain_text).
inline std::size_t plain_text_length(const char* p, const char* end) {
    const char* const begin = p;
#if defined(__SSE2__)
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        // Signed bytes: 0x80 and above are negative, so below 0x20 too.
        const __m128i printable =
            _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(0x1F)), _mm_cmplt_epi8(v, _mm_set1_epi8(0x7F)));
        const __m128i special = _mm_or_si128(
            _mm_cmpeq_epi8(v, _mm_set1_epi8('\\')),
            _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('{')), _mm_cmpeq_epi8(v, _mm_set1_epi8('}'))));
        const auto plain = static_cast<unsigned>(_mm_movemask_epi8(_mm_andnot_si128(special, printable)));
        const int head = std::countr_one(plain);
        p += head;
        if (head < 16) return static_cast<std::size_t>(p - begin);
    }
#else
    // Eight at a time: none below 0x20, none above 0x7E, none a backslash or a brace.
    constexpr std::uint64_t kOnes = 0x0101010101010101u, kHigh = 0x8080808080808080u;
    const auto has_zero = [](std::uint64_t v) { return (v - kOnes) & ~v & kHigh; };
    for (; end - p >= 8; p += 8) {
        std::uint64_t x;
        std::memcpy(&x, p, sizeof x);
        const std::uint64_t below = (x - kOnes * 0x20) & ~x & kHigh;
        const std::uint64_t above = ((x + kOnes * (127 - 0x7E)) | x) & kHigh;
        if ((below | above | has_zero(x ^ (kOnes * '\\')) | has_zero(x ^ (kOnes * '{')) |
             has_zero(x ^ (kOnes * '}'))) != 0)
            break;
    }
#endif
    while (p < end && is_plain_text(*p)) ++p;
    return static_cast<std::size_t>(p - begin);
}

// ASCII bytes to UTF-16 units.
inline void widen(const char* in, std::size_t n, char16_t* out) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(bytes, zero));
    }
    if (i + 8 <= n) {
        const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(bytes, zero));
        i += 8;
    }
#endif
    for (; i < n; ++i) out[i] = static_cast<unsigned char>(in[i]);
}

}  // namespace tarnvel::richtext::detail
