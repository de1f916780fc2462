// Input that is not clean legacy text: stray signs, punctuation, other scripts, broken UTF-8,
// and random data. Nothing may be lost and the output must always be valid UTF-8 in NFC.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "gurmukhi/gurmukhi.h"
#include "gurmukhi/tests/utf8_check.h"

namespace {

using tarnvel::gurmukhi::legacy_latin1_to_unicode;
using tarnvel::gurmukhi::legacy_to_unicode;
using tarnvel::test::valid_utf8;

std::size_t count(std::string_view haystack, std::string_view needle) {
    std::size_t n = 0;
    for (auto pos = haystack.find(needle); pos != std::string_view::npos; pos = haystack.find(needle, pos + 1)) ++n;
    return n;
}

// Properties of NFC that concern Gurmukhi: no composition-excluded letter and no nukta after
// a virama.
void expect_gurmukhi_nfc(std::string_view out, std::string_view input) {
    for (std::string_view excluded : {"\u0A33", "\u0A36", "\u0A59", "\u0A5A", "\u0A5B", "\u0A5E"}) {
        EXPECT_EQ(out.find(excluded), std::string_view::npos) << "input: " << input;
    }
    EXPECT_EQ(out.find("\u0A4D\u0A3C"), std::string_view::npos) << "input: " << input;
}

// Text that is no key passes through in both encodings: punctuation, whitespace, other scripts.
TEST(Robustness, WhatIsNoKeyPassesThrough) {
    for (std::string_view s : {" \n\r\n\t.,;:!?'\"()-+=/*_#$%{}><", "  \n\n  "}) {
        EXPECT_EQ(legacy_to_unicode(s), s);
        EXPECT_EQ(legacy_latin1_to_unicode(s), s);
    }
    for (std::string_view s : {"é€😀Ω", "ਕਿਰਪਾ", "\uFFFD"}) EXPECT_EQ(legacy_to_unicode(s), s);
}

// A sihari with no letter after it stays where it was typed; broken UTF-8 becomes replacement
// characters, one for each maximal subpart; Unicode nukta letters are brought to NFC.
TEST(Robustness, OddInput) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"rwm,\nrwm.\r\n", "ਰਾਮ,\nਰਾਮ.\r\n"},
        {"i", "ਿ"}, {"i ", "ਿ "}, {" i", " ਿ"}, {"k i", "ਕ ਿ"}, {"i\nk", "ਿ\nਕ"}, {"i]", "ਿ॥"}, {"i1", "ਿ੧"},
        {"iik", "ਿਕਿ"},  // only the nearer sihari reaches the letter
        {"iR", "ਿ੍ਰ"}, {"iM", "ਿੰ"}, {"i.k", "ਿ.ਕ"}, {"i\xE2\x82\xAC", "ਿ€"}, {"i\xFF", "ਿ\uFFFD"},
        {"\xFF", "\uFFFD"}, {"k\xFFk", "ਕ\uFFFDਕ"},
        {"\xE0\xA8", "\uFFFD"}, {"\xE0\xA8k", "\uFFFDਕ"},  // cut short
        {"\xC0\xAF", "\uFFFD\uFFFD"}, {"\xE0\x80\xAF", "\uFFFD\uFFFD\uFFFD"},  // overlong
        {"\xF0\x80\x80\xAF", "\uFFFD\uFFFD\uFFFD\uFFFD"},                   // overlong
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},                               // surrogate
        {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},                   // past U+10FFFF
        {"\x80k", "\uFFFDਕ"},                                                  // lone continuation byte
        {"\u0A36\u0A33", "\u0A38\u0A3C\u0A32\u0A3C"}, {"\u0A38\u0A4D\u0A3C", "\u0A38\u0A3C\u0A4D"},
    };
    for (const auto& [input, unicode] : cases) EXPECT_EQ(legacy_to_unicode(input), unicode) << "input: " << input;
}

// Random bytes, and random text of keys alone. Both give valid UTF-8 in NFC, the bytes in both
// encodings, where ASCII that is no key is never absorbed, not even by a broken UTF-8 sequence;
// no key is left unconverted, and the sihari, carriers, nasals and whitespace typed are all written.
TEST(Robustness, RandomInputGivesValidUtf8AndKeepsWhatWasTyped) {
    constexpr std::string_view keys =
        "aAeEshkKgG|cCjJ\\tTfFxqQdDnpPbBmXrlvVS^Zz&LRHiwIuUyYoOMN`~0123456789[]@ \n";
    std::mt19937 rng(20260314);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> pick(0, keys.size() - 1), length(0, 48);
    for (int round = 0; round < 4000; ++round) {
        std::string bytes(length(rng), '\0'), in;
        for (char& ch : bytes) ch = static_cast<char>(byte(rng));
        for (std::size_t n = length(rng); n > 0; --n) in += keys[pick(rng)];
        const std::string out = legacy_to_unicode(bytes), out8 = legacy_latin1_to_unicode(bytes);
        const std::string text = legacy_to_unicode(in);
        for (const auto& [from, to] : {std::pair{&bytes, &out}, {&bytes, &out8}, {&in, &text}}) {
            ASSERT_TRUE(valid_utf8(*to)) << "round " << round;
            expect_gurmukhi_nfc(*to, *from);
        }
        for (char ch : std::string_view("!\"#$%'()*+,-./:;=?_{}\t\n\r ")) {
            const auto typed = static_cast<std::size_t>(std::ranges::count(bytes, ch));
            EXPECT_EQ(count(out, std::string(1, ch)), typed) << "round " << round;
            EXPECT_EQ(count(out8, std::string(1, ch)), typed) << "round " << round;
        }
        EXPECT_TRUE(std::none_of(text.begin(), text.end(),
                                 [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)); }))
            << "a key left unconverted in: " << in;
        const auto typed = [&](char key) { return static_cast<std::size_t>(std::ranges::count(in, key)); };
        // A sihari is either written or absorbed into ਇ; iri shows as ੲ ਇ ਈ or ਏ.
        EXPECT_EQ(typed('i'), count(text, "ਿ") + count(text, "ਇ")) << in;
        EXPECT_EQ(typed('e'), count(text, "ੲ") + count(text, "ਇ") + count(text, "ਈ") + count(text, "ਏ")) << in;
        EXPECT_EQ(typed('M'), count(text, "ੰ")) << in;
        EXPECT_EQ(typed('`') + typed('~'), count(text, "ੱ")) << in;
        EXPECT_EQ(typed(' '), count(text, " ")) << in;
        EXPECT_EQ(typed('\n'), count(text, "\n")) << in;
    }
}

}  // namespace
