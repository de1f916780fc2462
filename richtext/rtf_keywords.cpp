#include "richtext/rtf_keywords.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tarnvel::richtext::detail {

namespace {

struct Entry {
    std::string_view word;
    Kw kw;
};

// Sorted by word (checked below), so that it reads as a list.
constexpr auto kTable = std::to_array<Entry>({
    {"aftncn", Kw::SkipDest},
    {"aftnsep", Kw::SkipDest},
    {"aftnsepc", Kw::SkipDest},
    {"annotation", Kw::SkipDest},
    {"ansi", Kw::Ansi},
    {"ansicpg", Kw::AnsiCpg},
    {"atnid", Kw::SkipDest},
    {"author", Kw::SkipDest},
    {"b", Kw::B},
    {"bin", Kw::Bin},
    {"blue", Kw::Blue},
    {"bullet", Kw::Bullet},
    {"buptim", Kw::SkipDest},
    {"cell", Kw::Cell},
    {"cf", Kw::Cf},
    {"colortbl", Kw::ColorTbl},
    {"comment", Kw::SkipDest},
    {"creatim", Kw::SkipDest},
    {"deff", Kw::Deff},
    {"doccomm", Kw::SkipDest},
    {"emdash", Kw::Emdash},
    {"emspace", Kw::Emspace},
    {"endash", Kw::Endash},
    {"enspace", Kw::Enspace},
    {"f", Kw::F},
    {"fcharset", Kw::FCharset},
    {"fi", Kw::Fi},
    {"filetbl", Kw::SkipDest},
    {"fldinst", Kw::SkipDest},
    {"fonttbl", Kw::FontTbl},
    {"footer", Kw::SkipDest},
    {"footerf", Kw::SkipDest},
    {"footerl", Kw::SkipDest},
    {"footerr", Kw::SkipDest},
    {"footnote", Kw::SkipDest},
    {"fs", Kw::Fs},
    {"ftncn", Kw::SkipDest},
    {"ftnsep", Kw::SkipDest},
    {"ftnsepc", Kw::SkipDest},
    {"green", Kw::Green},
    {"header", Kw::SkipDest},
    {"headerf", Kw::SkipDest},
    {"headerl", Kw::SkipDest},
    {"headerr", Kw::SkipDest},
    {"i", Kw::I},
    {"info", Kw::SkipDest},
    {"intbl", Kw::InTbl},
    {"keywords", Kw::SkipDest},
    {"ldblquote", Kw::Ldblquote},
    {"li", Kw::Li},
    {"lin", Kw::Li},
    {"line", Kw::Line},
    {"listoverridetable", Kw::SkipDest},
    {"listtable", Kw::SkipDest},
    {"listtext", Kw::SkipDest},
    {"lquote", Kw::Lquote},
    {"ltrmark", Kw::Ltrmark},
    {"nestcell", Kw::Cell},
    {"nestrow", Kw::Row},
    {"nonshppict", Kw::NonShpPict},
    {"operator", Kw::SkipDest},
    {"page", Kw::Page},
    {"par", Kw::Par},
    {"pard", Kw::Pard},
    {"pict", Kw::Pict},
    {"plain", Kw::Plain},
    {"pn", Kw::SkipDest},
    {"pntext", Kw::SkipDest},
    {"printim", Kw::SkipDest},
    {"qc", Kw::Qc},
    {"qd", Kw::Qj},
    {"qj", Kw::Qj},
    {"ql", Kw::Ql},
    {"qmspace", Kw::Qmspace},
    {"qr", Kw::Qr},
    {"rdblquote", Kw::Rdblquote},
    {"red", Kw::Red},
    {"revtbl", Kw::SkipDest},
    {"revtim", Kw::SkipDest},
    {"ri", Kw::Ri},
    {"rin", Kw::Ri},
    {"row", Kw::Row},
    {"rquote", Kw::Rquote},
    {"rtf", Kw::Rtf},
    {"rtlmark", Kw::Rtlmark},
    {"sa", Kw::Sa},
    {"sb", Kw::Sb},
    {"sect", Kw::Sect},
    {"shppict", Kw::ShpPict},
    {"stylesheet", Kw::SkipDest},
    {"subject", Kw::SkipDest},
    {"tab", Kw::Tab},
    {"tc", Kw::SkipDest},
    {"template", Kw::SkipDest},
    {"title", Kw::SkipDest},
    {"txe", Kw::SkipDest},
    {"u", Kw::U},
    {"uc", Kw::Uc},
    {"ul", Kw::Ul},
    {"uld", Kw::Ul},
    {"uldash", Kw::Ul},
    {"uldashd", Kw::Ul},
    {"uldashdd", Kw::Ul},
    {"uldb", Kw::Ul},
    {"ulhwave", Kw::Ul},
    {"ulldash", Kw::Ul},
    {"ulnone", Kw::UlNone},
    {"ulth", Kw::Ul},
    {"ulthd", Kw::Ul},
    {"ulthdash", Kw::Ul},
    {"ulthdashd", Kw::Ul},
    {"ulthdashdd", Kw::Ul},
    {"ulthldash", Kw::Ul},
    {"ululdbwave", Kw::Ul},
    {"ulw", Kw::Ul},
    {"ulwave", Kw::Ul},
    {"v", Kw::V},
    {"xe", Kw::SkipDest},
    {"zwj", Kw::Zwj},
    {"zwnj", Kw::Zwnj},
});

static_assert(std::is_sorted(kTable.begin(), kTable.end(),
                             [](const Entry& a, const Entry& b) { return a.word < b.word; }));
constexpr std::size_t kLongestWord = 17;  // "listoverridetable"
static_assert(std::all_of(kTable.begin(), kTable.end(),
                          [](const Entry& e) { return e.word.size() <= kLongestWord; }));

// Control words come by the hundred thousand in a large document (LibreOffice writes one \uN per
// non-Latin character): an open-addressing hash table, built at compile time, finds them with one
// hash, which the reader takes while it scans, and usually one comparison.
constexpr std::size_t kSlots = 1024;
static_assert(kTable.size() * 4 < kSlots);

constexpr auto kIndex = [] {
    std::array<std::int16_t, kSlots> index{};
    index.fill(-1);
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        std::size_t s = keyword_hash(kTable[i].word) & (kSlots - 1);
        while (index[s] >= 0) s = (s + 1) & (kSlots - 1);
        index[s] = static_cast<std::int16_t>(i);
    }
    return index;
}();

// Words are a few letters long: a plain loop beats a call to memcmp.
bool same(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

}  // namespace

Kw lookup_keyword(std::string_view word, std::uint32_t hash) {
    if (word.size() > kLongestWord) return Kw::Unknown;
    for (std::size_t s = hash & (kSlots - 1); kIndex[s] >= 0; s = (s + 1) & (kSlots - 1)) {
        const Entry& e = kTable[static_cast<std::size_t>(kIndex[s])];
        if (same(e.word, word)) return e.kw;
    }
    return Kw::Unknown;
}

}  // namespace tarnvel::richtext::detail
