// Keyboard-layout behaviour: what a reader of the legacy font sees, as Unicode.
// Expected strings are NFC; the nukta letters are spelt with escapes (base + U+0A3C) so that
// the decomposition is visible.

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "gurmukhi/gurmukhi.h"

namespace {

using tarnvel::gurmukhi::legacy_latin1_to_unicode;
using tarnvel::gurmukhi::legacy_to_unicode;

TEST(Layout, KeysGiveTheLettersAReaderOfTheFontSees) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        // The month names, and a date line with digits and a nukta letter.
        {"cyq", "ਚੇਤ"}, {"vYswK", "ਵੈਸਾਖ"}, {"jyT", "ਜੇਠ"}, {"hwV", "ਹਾੜ"}, {"swvx", "ਸਾਵਣ"}, {"BwdoN", "ਭਾਦੋਂ"},
        {"A`sU", "ਅੱਸੂ"}, {"k`qk", "ਕੱਤਕ"}, {"m`Gr", "ਮੱਘਰ"}, {"poh", "ਪੋਹ"}, {"mwG", "ਮਾਘ"}, {"P`gx", "ਫੱਗਣ"},
        {"22 m`Gr, sMmq 558 nwnkSwhI", "੨੨ ਮੱਘਰ, ਸੰਮਤ ੫੫੮ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ"},
        // The sihari, typed first, follows its consonant and that consonant's subjoined letters.
        {"ikrpw", "ਕਿਰਪਾ"},
        {"ikRpw", "ਕ੍ਰਿਪਾ"},
        {"iBRMg", "ਭ੍ਰਿੰਗ"},  // and goes before the tippi
        {"icHn", "ਚ੍ਹਿਨ"},
        {"ipRA", "ਪ੍ਰਿਅ"},  // the following carrier is a new syllable
        {"iS", "\u0A38\u0A3C\u0A3F"},  // after the nukta too
        {"ijMn@I", "ਜਿੰਨੑੀ"},  // udaat stays on its letter, before the vowel sign
        {"ikriq", "ਕਿਰਤਿ"},
        // Vowel carriers form the independent vowels.
        {"a", "ੳ"}, {"au", "ਉ"}, {"aU", "ਊ"}, {"ao", "ਓ"}, {"E", "ਓ"}, {"A", "ਅ"}, {"Aw", "ਆ"}, {"AY", "ਐ"},
        {"AO", "ਔ"}, {"AW", "ਆਂ"}, {"e", "ੲ"}, {"ie", "ਇ"}, {"eI", "ਈ"}, {"ey", "ਏ"}, {"ie`k", "ਇੱਕ"},
        {"kMau", "ਕੰਉ"},  // ura after a tippi starts its own syllable
        {"Aau", "ਅਉ"},
        {"AI", "ਅੀ"},  // aira has no ii form: kept as typed
        // Signs on one letter in Unicode order, whatever the typing order: nasals and adhak after
        // the vowel signs, subjoined letters and nukta before them; two vowel signs left, top,
        // bottom, right.
        {"kuM", "ਕੁੰ"}, {"kMu", "ਕੁੰ"}, {"ku`", "ਕੁੱ"}, {"k`u", "ਕੁੱ"}, {"kwN", "ਕਾਂ"}, {"kNw", "ਕਾਂ"}, {"kW", "ਕਾਂ"},
        {"pRu", "ਪ੍ਰੁ"}, {"puR", "ਪ੍ਰੁ"}, {"kæw", "\u0A15\u0A3C\u0A3E"}, {"kwæ", "\u0A15\u0A3C\u0A3E"},
        {"kRæ", "\u0A15\u0A3C\u0A4D\u0A30"},  // nukta (ccc 7) before virama (ccc 9)
        {"suohMdw", "ਸੋੁਹੰਦਾ"}, {"souhMdw", "ਸੋੁਹੰਦਾ"}, {"kwu", "ਕੁਾ"}, {"kuw", "ਕੁਾ"}, {"ikyu", "ਕਿੇੁ"}, {"aou", "ਓੁ"},
        // Nukta letters come out decomposed.
        {"Sbd", "\u0A38\u0A3Cਬਦ"}, {"^usI", "\u0A16\u0A3Cੁਸੀ"}, {"ZrIb", "\u0A17\u0A3Cਰੀਬ"}, {"zmIn", "\u0A1C\u0A3Cਮੀਨ"},
        {"&rk", "\u0A2B\u0A3Cਰਕ"}, {"L", "\u0A32\u0A3C"},
        // Digits, dandas, ek onkar and the rarer letters.
        {"0123456789", "੦੧੨੩੪੫੬੭੮੯"}, {"rwm [ ]1]", "ਰਾਮ । ॥੧॥"}, {"<> siq nwmu", "ੴ ਸਤਿ ਨਾਮੁ"}, {"|\\", "ਙਞ"},
        // The family's extra keys: subjoined letters, signs and a ligature.
        {"ik†", "ਕ੍ਟਿ"}, {"iqœ", "ਤ੍ਤਿ"}, {"sÍ", "ਸ੍ਵ"}, {"pç", "ਪ੍ਚ"}, {"dÎ", "ਦ੍ਯ"}, {"k´", "ਕੵ"}, {"duÚ", "ਦੁਃ"},
        {"iqsƒ", "ਤਿਸਨੂੰ"},
    };
    for (const auto& [legacy, unicode] : cases) EXPECT_EQ(legacy_to_unicode(legacy), unicode) << "legacy input: " << legacy;
}

// Each variant is tried where its role matters: in front of a vowel sign it must still be moved
// behind it, or it must still carry the sihari past it.
TEST(Layout, FamilyVariantsActLikeTheirPrimaryKeys) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"ikµu", "ikMu"}, {"ikˆw", "ikNw"}, {"k~u", "k`u"}, {"iküM", "ikuM"}, {"k¨", "kU"}, {"ik®", "ikR"}};
    for (const auto& [variant, primary] : cases) EXPECT_EQ(legacy_to_unicode(variant), legacy_to_unicode(primary)) << variant;
}

TEST(Layout, EightBitInputIsWindows1252) {
    // µ is 0xB5 in Latin-1; † is 0x86 in code page 1252.
    EXPECT_EQ(legacy_latin1_to_unicode("byn\xB5qI"), "ਬੇਨੰਤੀ");
    EXPECT_EQ(legacy_latin1_to_unicode("ik\x86"), "ਕ੍ਟਿ");
    EXPECT_EQ(legacy_latin1_to_unicode("\x80"), "€");  // not a key: shown as 1252 shows it
    // The same byte read as Latin-1 and re-encoded arrives as a C1 control.
    EXPECT_EQ(legacy_to_unicode("ik\u0086"), "ਕ੍ਟਿ");
    EXPECT_EQ(legacy_to_unicode("\u0080"), "\u0080");
}

}  // namespace
