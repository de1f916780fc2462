#include "richtext/rtf_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "richtext/codepage.h"
#include "richtext/memory_hint.h"
#include "richtext/rtf_keywords.h"
#include "richtext/rtf_scan.h"
#include "richtext/utf.h"

namespace tarnvel::richtext {

namespace {

using detail::hex_value;
using detail::is_alpha;
using detail::is_digit;
using detail::is_plain_text;
using detail::Kw;

enum class Dest : unsigned char { Body, FontTable, ColorTable };

// Everything RTF scopes to a group.
struct State {
    Dest dest = Dest::Body;
    int font_num = -1;  // -1: the document's \deff font
    int size = 24;
    bool bold = false, italic = false, underline = false, hidden = false;
    int color = 0;
    ParaFormat para;
    bool in_table = false;
    bool in_shppict = false;
    int uc = 1;
};

// The picture formats the classic control loads: Windows and enhanced metafiles and
// device-independent bitmaps. PNG, JPEG, SVG, Macintosh and OS/2 pictures and device-dependent
// bitmaps it cannot show, so they take no place in its text.
bool loadable_picture_format(std::string_view word) {
    return word == "wmetafile" || word == "emfblip" || word == "dibitmap";
}

bool same_format(const State& a, const State& b) {
    return a.dest == b.dest && a.font_num == b.font_num && a.size == b.size && a.bold == b.bold &&
           a.italic == b.italic && a.underline == b.underline && a.hidden == b.hidden &&
           a.color == b.color && a.para == b.para && a.in_table == b.in_table;
}

struct Word {
    std::string_view name;
    bool has_param = false;
    std::int32_t param = 0;
    std::uint32_t hash = detail::kKeywordHashSeed;  // detail::keyword_hash(name)
};

class Parser {
public:
    // The whole document in memory.
    explicit Parser(std::string_view in) : p_(in.data()), end_(in.data() + in.size()) { reserve(in.size()); }

    // The document read piece by piece from `source`; `size_hint` is its expected length.
    Parser(const ByteSource& source, std::size_t size_hint)
        : source_(&source),
          // A document known to be small needs no larger window than itself (a selection read
          // back, say); one byte more lets its end be seen without another read.
          window_(size_hint > 0 ? std::clamp<std::size_t>(size_hint + 1, kMinWindow, kWindow) : kWindow),
          buffer_(std::make_unique_for_overwrite<char[]>(window_)) {
        p_ = end_ = buffer_.get();
        reserve(size_hint);
    }

    bool starts_like_rtf() { return fill(5) && looks_like_rtf(std::string_view(p_, 5)); }

    Document run() {
        while (more()) {
            switch (*p_) {
                case '{':
                    ++p_;
                    open_group();
                    break;
                case '}':
                    ++p_;
                    if (close_group()) return finish();
                    break;
                case '\\':
                    ++p_;
                    control();
                    break;
                default:
                    text();
                    break;
            }
            if (stack_.empty()) break;
        }
        return finish();
    }

private:
    State& st() { return stack_.back(); }

    // Sized once from the document's length: never more units than bytes, and generous guesses
    // for runs and paragraphs. Growing step by step would touch every intermediate copy, while
    // pages reserved and never used cost nothing.
    void reserve(std::size_t bytes) {
        stack_.reserve(64);
        doc_.text.reserve(detail::huge_page_capacity(bytes, sizeof(char16_t)));
        detail::prefer_huge_pages(doc_.text.data(), doc_.text.capacity() * sizeof(char16_t));
        doc_.runs.reserve(bytes / 64);
        doc_.paragraphs.reserve(bytes / 256);
    }

    // ---- input window ----------------------------------------------------------------------
    // [p_, end_) is what has been read and not yet used. With a source, the window is refilled
    // when it runs dry, keeping the unused bytes; tokens never hold pointers into it.

    bool more() { return p_ < end_ || fill(1); }

    // True when at least `need` bytes (at most a few) are in the window.
    bool fill(std::size_t need) {
        if (static_cast<std::size_t>(end_ - p_) >= need) return true;
        if (!source_ || source_done_) return false;
        const auto kept = static_cast<std::size_t>(end_ - p_);
        std::copy(p_, end_, buffer_.get());
        p_ = buffer_.get();
        end_ = p_ + kept;
        while (static_cast<std::size_t>(end_ - p_) < need) {
            const std::size_t got = (*source_)(buffer_.get() + (end_ - p_), window_ - static_cast<std::size_t>(end_ - p_));
            if (got == 0) {
                source_done_ = true;
                break;
            }
            end_ += got;
        }
        return static_cast<std::size_t>(end_ - p_) >= need;
    }

    // ---- groups ----------------------------------------------------------------------------

    void open_group() {
        end_token();
        if (stack_.size() >= static_cast<std::size_t>(kMaxGroupDepth)) {
            skip_group(false);
            return;
        }
        State s = stack_.empty() ? State{} : stack_.back();
        stack_.push_back(s);
    }

    // True when the outermost group has closed.
    bool close_group() {
        end_token();
        if (stack_.empty()) return true;
        if (st().dest == Dest::FontTable) commit_font();
        const State closed = stack_.back();
        stack_.pop_back();
        // Writers wrap nearly every run in a group of its own; most close without a change.
        if (!stack_.empty() && !same_format(closed, st())) dirty_ = true;
        return stack_.empty();
    }

    // Passes over the rest of the group just entered without reading it, \bin data included.
    // With `pop`, the group has a state on the stack to drop. Returns whether the group names, at
    // its own level, a picture format the control loads (which only a \pict group does).
    bool skip_group(bool pop) {
        long depth = 1;
        bool loadable = false;
        while (more()) {
            const char c = *p_++;
            if (c == '{') {
                ++depth;
            } else if (c == '}') {
                if (--depth == 0) break;
            } else if (c == '\\' && more()) {
                if (is_alpha(*p_)) {
                    const Word w = read_word();
                    if (w.name == "bin" && w.has_param) skip_binary(w.param);
                    else if (depth == 1 && loadable_picture_format(w.name)) loadable = true;
                } else {
                    ++p_;
                }
            }
        }
        end_token();
        if (pop && !stack_.empty()) {
            if (st().dest == Dest::FontTable) commit_font();
            stack_.pop_back();
            dirty_ = true;
        }
        return loadable;
    }

    void skip_binary(std::int32_t n) {
        auto left = static_cast<std::size_t>(std::max(n, 0));
        while (left > 0 && more()) {
            const std::size_t k = std::min(left, static_cast<std::size_t>(end_ - p_));
            p_ += k;
            left -= k;
        }
    }

    // A brace ends the \uN fallback (inside it, a control word counts as one character), the \*
    // marker and a pending lead byte.
    void end_token() {
        skip_left_ = 0;
        star_ = false;
        lead_pending_ = false;
    }

    // One character of a \uN fallback: true when the token is to be dropped.
    bool consume_skip() {
        if (skip_left_ == 0) return false;
        --skip_left_;
        return true;
    }

    // The usual fallback of a \uN, one \'hh or one printable character, dropped at once rather
    // than token by token; anything else is left to the general path, which drops it the same way.
    void skip_one_fallback() {
        if (skip_left_ != 1 || p_ == end_) return;
        if (is_plain_text(*p_)) {
            ++p_;
            skip_left_ = 0;
        } else if (end_ - p_ >= 4 && p_[0] == '\\' && p_[1] == '\'' && hex_value(p_[2]) >= 0 &&
                   hex_value(p_[3]) >= 0) {
            p_ += 4;
            skip_left_ = 0;
        }
    }

    // ---- tokens ----------------------------------------------------------------------------

    Word read_word() {
        Word w;
        if (read_word_in_window(w)) return w;
        // Words longer than any known one are kept as an empty name, which matches nothing.
        std::size_t len = 0;
        for (; more() && is_alpha(*p_); ++p_, ++len)
            if (len < word_.size()) word_[len] = *p_;
        w = Word{std::string_view(word_.data(), len <= word_.size() ? len : 0)};
        w.hash = detail::keyword_hash(w.name);
        bool negative = false;
        if (more() && *p_ == '-' && fill(2) && is_digit(p_[1])) {
            negative = true;
            ++p_;
        }
        if (more() && is_digit(*p_)) {
            std::int64_t v = 0;
            for (int n = 0; more() && is_digit(*p_); ++p_, ++n)
                if (n < 10) v = v * 10 + (*p_ - '0');
            if (negative) v = -v;
            w.param = static_cast<std::int32_t>(std::clamp<std::int64_t>(
                v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
            w.has_param = true;
        }
        if (more() && *p_ == ' ') ++p_;
        return w;
    }

    // The common case of read_word: the whole word, its number and the space after it lie in
    // the window, so no byte needs a refill check. False, with nothing consumed, otherwise;
    // the result is the same either way, except that the name then lies in the window: every
    // caller is done with it before reading on (keyword looks it up first, skip_group compares
    // it at once).
    bool read_word_in_window(Word& w) {
        const char* q = p_;
        std::uint32_t hash = detail::kKeywordHashSeed;
        for (; q < end_ && is_alpha(*q); ++q) hash = detail::keyword_hash(hash, *q);
        const auto len = static_cast<std::size_t>(q - p_);
        if (q == end_ || len > word_.size()) return false;
        bool negative = false;
        if (*q == '-') {
            if (q + 1 == end_) return false;
            if (is_digit(q[1])) {
                negative = true;
                ++q;
            }
        }
        bool has_param = false;
        std::int64_t v = 0;
        if (is_digit(*q)) {
            has_param = true;
            unsigned d;
            for (int n = 0; q < end_ && (d = detail::digit_value(*q)) <= 9; ++q, ++n)
                if (n < 10) v = v * 10 + d;
            if (q == end_) return false;
        }
        // The name is looked at before anything else is read, so it may point into the window.
        w.name = std::string_view(p_, len);
        w.hash = hash;
        if (has_param) {
            if (negative) v = -v;
            w.param = static_cast<std::int32_t>(std::clamp<std::int64_t>(
                v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
            w.has_param = true;
        }
        if (*q == ' ') ++q;
        p_ = q;
        return true;
    }

    // \uN, the commonest word by far in writers' documents (LibreOffice writes one for each
    // character outside the code page, one after another), read straight from the window: the
    // word just begun and, in the body, every \uN right after it whose fallback is skipped whole.
    // False, with nothing consumed, when the first is not one; read_word then takes it the same way.
    bool unicode_in_window(bool star) {
        std::int32_t param = 0;
        const char* next = unicode_word_at(p_, param);
        if (!next) return false;
        p_ = next;
        if (star) {
            keyword(Kw::U, Word{"u", true, param, detail::keyword_hash("u")}, star);
            return true;
        }
        if (consume_skip()) return true;
        unicode(param);
        if (skip_left_ != 0 || st().dest != Dest::Body) return true;
        // The format cannot change within the run, and unicode() has brought it up to date.
        const int uc = st().uc;
        auto& text = doc_.text;
        const char* q = p_;
        while (end_ - q > 1 && q[0] == '\\' && q[1] == 'u' && (next = unicode_word_at(q + 1, param))) {
            q = next;
            text.push_back(unit_of(param));
            if (uc == 0) continue;
            if (uc == 1 && q < end_ && is_plain_text(*q)) {
                ++q;
            } else if (uc == 1 && end_ - q >= 4 && q[0] == '\\' && q[1] == '\'' && hex_value(q[2]) >= 0 &&
                       hex_value(q[3]) >= 0) {
                q += 4;
            } else {
                skip_left_ = uc;  // a fallback of another kind, left to the general path
                break;
            }
        }
        p_ = q;
        return true;
    }

    // The end of a \uN whose 'u' is at `at`, with its number in `param`, when its number and the
    // space after it lie in the window: at most 10 digits (as read_word counts them), so no
    // byte needs a bound check. Null otherwise.
    const char* unicode_word_at(const char* at, std::int32_t& param) const {
        constexpr int kMaxDigits = 10;
        if (end_ - at < kMaxDigits + 4) return nullptr;
        const char* q = at + 1;
        const bool negative = *q == '-';
        if (negative) ++q;
        const detail::Digits head = detail::leading_digits8(q);
        if (head.count == 0) return nullptr;
        q += head.count;
        std::int64_t v = head.value;
        // Nine or ten digits: the rest one by one.
        for (int n = head.count; detail::is_digit(*q); ++q, ++n) {
            if (n == kMaxDigits) return nullptr;
            v = v * 10 + detail::digit_value(*q);
        }
        if (*q == ' ') ++q;
        if (negative) v = -v;
        param = static_cast<std::int32_t>(std::clamp<std::int64_t>(
            v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
        return q;
    }

    // \uN gives one unit, N modulo 65536. A unit of 0 keeps its place as U+FFFD, since no text
    // can carry a NUL.
    static char16_t unit_of(std::int32_t n) {
        const auto unit = static_cast<char16_t>(static_cast<std::uint32_t>(n) & 0xFFFF);
        return unit == 0 ? u'\uFFFD' : unit;
    }

    // \uN: its unit, then its fallback is skipped.
    void unicode(std::int32_t n) {
        const State& s = st();
        const char16_t unit = unit_of(n);
        if (s.dest == Dest::Body) body_char(unit);
        else if (s.dest == Dest::FontTable && pending_font_.active && pending_font_.name.size() < kMaxFontName)
            pending_font_.name += unit;
        skip_left_ = std::max(s.uc, 0);
        skip_one_fallback();
    }

    void control() {
        if (!more()) return;
        const char c = *p_;
        const bool star = star_;
        star_ = false;
        if (is_alpha(c)) {
            lead_pending_ = false;
            if (c == 'u' && unicode_in_window(star)) return;
            const Word w = read_word();
            // \uN comes once per character outside the code page: no need to look it up.
            const Kw kw = w.name.size() == 1 && w.name[0] == 'u' ? Kw::U : detail::lookup_keyword(w.name, w.hash);
            keyword(kw, w, star);
            return;
        }
        ++p_;
        if (c == '\'') {
            // Two hex digits give a byte. An escape with one is broken: it gives nothing and
            // takes that digit with it, and what follows is read as usual.
            if (fill(2) && hex_value(p_[0]) >= 0 && hex_value(p_[1]) >= 0) {
                const int v = hex_value(p_[0]) * 16 + hex_value(p_[1]);
                p_ += 2;
                if (!consume_skip()) byte(static_cast<std::uint8_t>(v), true);
            } else if (more() && hex_value(*p_) >= 0) {
                ++p_;
            }
            return;
        }
        lead_pending_ = false;
        if (c == '*') {
            star_ = true;
            return;
        }
        if (consume_skip()) return;
        switch (c) {
            case '\\':
            case '{':
            case '}': byte(static_cast<std::uint8_t>(c), false); break;
            case '~': body_char(u'\u00A0'); break;
            case '-': body_char(u'\u00AD'); break;
            case '_': body_char(u'\u2011'); break;
            case '\r':
            case '\n': par(); break;
            default: break;
        }
    }

    // Plain bytes between control words; printable ASCII in the body goes in one piece.
    void text() {
        if (st().dest == Dest::Body && skip_left_ == 0 && !lead_pending_) {
            bool any = false;
            do {
                const char* start = p_;
                p_ += detail::plain_text_length(p_, end_);
                if (p_ != start) {
                    if (dirty_) refresh();
                    // Widened in place: appending the byte range would build a temporary string.
                    auto& t = doc_.text;
                    const std::size_t at = t.size();
                    const auto n = static_cast<std::size_t>(p_ - start);
                    t.resize(at + n);
                    if (symbol_) {
                        for (std::size_t i = 0; i < n; ++i)
                            t[at + i] = decode_byte(kSymbolCodePage, static_cast<std::uint8_t>(start[i]));
                    } else {
                        detail::widen(start, n, t.data() + at);
                    }
                    any = true;
                }
            } while (p_ == end_ && fill(1));
            if (any) return;
        }
        const auto b = static_cast<std::uint8_t>(*p_++);
        if (b == '\r' || b == '\n' || (b < 0x20 && b != '\t')) return;
        if (consume_skip()) return;
        byte(b, b >= 0x80);
    }

    // One character given as a byte: `decode` for \'hh and raw 8-bit bytes, which go through the
    // code page; raw ASCII (and \\ \{ \}) stays ASCII, except in a symbol font, where every
    // byte from 0x20 up is U+F000 + byte, as the control holds it. \'00, \'0a and \'0d are
    // dropped like the raw bytes; the other control bytes are characters.
    void byte(std::uint8_t b, bool decode) {
        if (st().dest == Dest::FontTable) {
            if (b == ';') commit_font();
            else if (pending_font_.active && pending_font_.name.size() < kMaxFontName)
                pending_font_.name += decode_byte(font_name_cp(), b);
            return;
        }
        if (st().dest == Dest::ColorTable) {
            if (b == ';') commit_color();
            return;
        }
        if (lead_pending_) {  // the trail byte of a double-byte character, already counted
            lead_pending_ = false;
            return;
        }
        if (b == '\t') {
            body_char(u'\t');
            return;
        }
        const int cp = code_page();
        if (!decode && cp != kSymbolCodePage) {
            body_char(static_cast<char16_t>(b));
            return;
        }
        if (b == 0 || b == '\n' || b == '\r') return;
        if (is_lead_byte(cp, b)) {
            lead_pending_ = true;
            body_char(u'\uFFFD');
            return;
        }
        body_char(decode_byte(cp, b));
    }

    void keyword(Kw kw, const Word& w, bool star) {
        if (star && kw != Kw::ShpPict && kw != Kw::NonShpPict) {
            skip_group(true);
            return;
        }
        if (kw == Kw::Bin) {
            consume_skip();
            skip_binary(w.has_param ? w.param : 0);
            return;
        }
        if (consume_skip()) return;
        const std::int32_t n = w.param;
        const bool on = !w.has_param || n != 0;
        State& s = st();
        switch (kw) {
            case Kw::SkipDest: skip_group(true); return;
            case Kw::FontTbl:
                s.dest = Dest::FontTable;
                return;
            case Kw::ColorTbl:
                s.dest = Dest::ColorTable;
                pending_color_ = {-1, -1, -1};
                return;
            case Kw::ShpPict:
                s.in_shppict = true;
                shppict_picture_ = false;
                return;
            case Kw::NonShpPict:
                // The fallback of the \shppict before it, read only when that gave no picture.
                if (std::exchange(shppict_picture_, false)) skip_group(true);
                return;
            case Kw::Pict: {
                const bool body = s.dest == Dest::Body;
                const bool in_shppict = s.in_shppict;
                // The group's state is gone once it is skipped: the place goes to the group around.
                if (!skip_group(true) || !body || stack_.empty()) return;
                body_char(u'\uFFFC');
                if (in_shppict) shppict_picture_ = true;
                return;
            }
            case Kw::U:
                if (w.has_param) unicode(n);
                return;
            case Kw::Uc: s.uc = w.has_param ? std::max(n, 0) : 1; return;
            case Kw::AnsiCpg: ansi_cp_ = n; return;
            case Kw::Deff:
                deff_ = n;
                dirty_ = true;
                return;
            default: break;
        }
        if (s.dest == Dest::FontTable) {
            if (kw == Kw::F) {
                commit_font();
                pending_font_ = PendingFont{true, n, 0, {}};
            } else if (kw == Kw::FCharset) {
                pending_font_.charset = n;
            }
            return;
        }
        if (s.dest == Dest::ColorTable) {
            const int c = std::clamp(n, 0, 255);
            if (kw == Kw::Red) pending_color_[0] = c;
            else if (kw == Kw::Green) pending_color_[1] = c;
            else if (kw == Kw::Blue) pending_color_[2] = c;
            return;
        }
        body_keyword(kw, w, on);
    }

    void body_keyword(Kw kw, const Word& w, bool on) {
        State& s = st();
        const std::int32_t n = w.param;
        switch (kw) {
            case Kw::Plain: {
                State fresh;
                s.font_num = fresh.font_num;
                s.size = fresh.size;
                s.bold = s.italic = s.underline = s.hidden = false;
                s.color = 0;
                break;
            }
            case Kw::F: s.font_num = n; break;
            case Kw::Fs: s.size = w.has_param && n > 0 ? n : 24; break;
            case Kw::B: s.bold = on; break;
            case Kw::I: s.italic = on; break;
            case Kw::Ul: s.underline = on; break;
            case Kw::UlNone: s.underline = false; break;
            case Kw::V: s.hidden = on; break;
            case Kw::Cf: s.color = n; break;
            case Kw::Pard:
                s.para = ParaFormat{};
                s.in_table = false;
                break;
            case Kw::Ql: s.para.alignment = Alignment::Left; break;
            case Kw::Qc: s.para.alignment = Alignment::Center; break;
            case Kw::Qr: s.para.alignment = Alignment::Right; break;
            case Kw::Qj: s.para.alignment = Alignment::Justify; break;
            case Kw::Li: s.para.left_indent = n; break;
            case Kw::Ri: s.para.right_indent = n; break;
            case Kw::Fi: s.para.first_line_indent = n; break;
            case Kw::Sb: s.para.space_before = n; break;
            case Kw::Sa: s.para.space_after = n; break;
            case Kw::InTbl: s.in_table = on; break;
            case Kw::Par:
                par();
                return;
            case Kw::Line:
                body_char(u'\r');
                body_char(u'\n');
                return;
            case Kw::Page:
            case Kw::Sect:
            case Kw::Row: paragraph_mark(); return;
            case Kw::Tab:
            case Kw::Cell: body_char(u'\t'); return;
            case Kw::Bullet: body_char(u'\u2022'); return;
            case Kw::Emdash: body_char(u'\u2014'); return;
            case Kw::Endash: body_char(u'\u2013'); return;
            case Kw::Lquote: body_char(u'\u2018'); return;
            case Kw::Rquote: body_char(u'\u2019'); return;
            case Kw::Ldblquote: body_char(u'\u201C'); return;
            case Kw::Rdblquote: body_char(u'\u201D'); return;
            case Kw::Emspace: body_char(u'\u2003'); return;
            case Kw::Enspace: body_char(u'\u2002'); return;
            case Kw::Qmspace: body_char(u'\u2005'); return;
            case Kw::Zwj: body_char(u'\u200D'); return;
            case Kw::Zwnj: body_char(u'\u200C'); return;
            case Kw::Ltrmark: body_char(u'\u200E'); return;
            case Kw::Rtlmark: body_char(u'\u200F'); return;
            default: return;
        }
        dirty_ = true;
    }

    // ---- output ----------------------------------------------------------------------------

    void body_char(char16_t c) {
        if (st().dest != Dest::Body) return;
        if (dirty_) refresh();
        doc_.text.push_back(c);
    }

    void par() {
        if (st().dest != Dest::Body) return;
        if (st().in_table) body_char(u' ');
        else paragraph_mark();
    }

    void paragraph_mark() {
        if (st().dest != Dest::Body) return;
        body_char(u'\r');
        body_char(u'\n');
        const auto end = static_cast<std::uint32_t>(doc_.text.size());
        doc_.paragraphs.back().end = end;
        doc_.paragraphs.back().format = st().para;
        doc_.paragraphs.push_back(Paragraph{end, end, st().para});
    }

    // The formats now in force apply from the next character on.
    void refresh() {
        dirty_ = false;
        const State& s = st();
        CharFormat f;
        f.font = font_index(s.font_num >= 0 ? s.font_num : deff_);
        f.size = s.size;
        f.bold = s.bold;
        f.italic = s.italic;
        f.underline = s.underline;
        f.hidden = s.hidden;
        if (s.color > 0 && static_cast<std::size_t>(s.color) < colors_.size())
            f.color = colors_[static_cast<std::size_t>(s.color)];
        open_para_format_ = s.para;
        symbol_ = code_page() == kSymbolCodePage;
        const auto at = static_cast<std::uint32_t>(doc_.text.size());
        auto& runs = doc_.runs;
        if (!runs.empty() && runs.back().format == f) return;
        if (!runs.empty() && runs.back().start == at) runs.back().format = f;
        else runs.push_back(Run{at, 0, f});
    }

    int font_index(int num) {
        if (num == cached_font_num_) return cached_font_index_;
        auto it = font_by_num_.find(num);
        cached_font_num_ = num;
        cached_font_index_ = it == font_by_num_.end() ? -1 : it->second;
        return cached_font_index_;
    }

    int code_page() {
        const State& s = st();
        const int idx = font_index(s.font_num >= 0 ? s.font_num : deff_);
        if (idx >= 0) {
            const int cp = charset_code_page(doc_.fonts[static_cast<std::size_t>(idx)].charset);
            if (cp != 0) return cp;
        }
        return ansi_cp_ > 0 ? ansi_cp_ : 1252;
    }

    int font_name_cp() const {
        const int cp = charset_code_page(pending_font_.charset);
        return cp != 0 && cp != kSymbolCodePage ? cp : (ansi_cp_ > 0 ? ansi_cp_ : 1252);
    }

    void commit_font() {
        if (!pending_font_.active) return;
        pending_font_.active = false;
        if (doc_.fonts.size() >= static_cast<std::size_t>(kMaxTableEntries)) return;
        std::u16string_view name = pending_font_.name;
        while (!name.empty() && name.front() == u' ') name.remove_prefix(1);
        while (!name.empty() && name.back() == u' ') name.remove_suffix(1);
        Font f{to_utf8(name), pending_font_.charset, false};
        f.legacy_gurmukhi = is_legacy_gurmukhi_font(f.name);
        font_by_num_[pending_font_.num] = static_cast<int>(doc_.fonts.size());
        doc_.fonts.push_back(std::move(f));
        cached_font_num_ = std::numeric_limits<int>::min();
        dirty_ = true;
    }

    void commit_color() {
        const auto& c = pending_color_;
        if (colors_.size() >= static_cast<std::size_t>(kMaxTableEntries)) return;
        if (c[0] < 0 && c[1] < 0 && c[2] < 0) {
            colors_.push_back(kAutoColor);
        } else {
            colors_.push_back(static_cast<std::uint32_t>(std::max(c[0], 0) << 16 |
                                                         std::max(c[1], 0) << 8 | std::max(c[2], 0)));
        }
        pending_color_ = {-1, -1, -1};
    }

    Document finish() {
        commit_font();
        auto& text = doc_.text;
        auto& paras = doc_.paragraphs;
        const auto size = static_cast<std::uint32_t>(text.size());
        if (paras.size() > 1 && paras.back().start == size) {
            // The document's last paragraph mark is not part of its text.
            paras.pop_back();
            text.resize(size - 2);
            paras.back().end = size - 2;
        } else {
            paras.back().end = size;
            if (paras.back().start < size) paras.back().format = open_para_format_;
        }
        finish_runs();
        return std::move(doc_);
    }

    // Runs were opened with their start only; give them lengths, dropping empty ones and merging
    // neighbours that ended up alike.
    void finish_runs() {
        const auto size = static_cast<std::uint32_t>(doc_.text.size());
        auto& runs = doc_.runs;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            Run r = runs[i];
            const std::uint32_t end = std::min(i + 1 < runs.size() ? runs[i + 1].start : size, size);
            if (r.start >= end) continue;
            r.length = end - r.start;
            if (kept > 0 && runs[kept - 1].format == r.format) runs[kept - 1].length += r.length;
            else runs[kept++] = r;
        }
        runs.resize(kept);
    }

    struct PendingFont {
        bool active = false;
        int num = 0;
        int charset = 0;
        std::u16string name;
    };

    static constexpr std::size_t kWindow = 64 * 1024;
    static constexpr std::size_t kMaxFontName = 256;  // Windows keeps 31 characters of a face name
    static constexpr std::size_t kMinWindow = 64;  // more than any token is looked ahead
    const char* p_ = nullptr;
    const char* end_ = nullptr;
    const ByteSource* source_ = nullptr;
    std::size_t window_ = kWindow;
    bool source_done_ = false;
    std::unique_ptr<char[]> buffer_;
    std::array<char, 32> word_{};
    std::vector<State> stack_;
    Document doc_;
    bool dirty_ = true;
    bool star_ = false;
    bool lead_pending_ = false;
    bool symbol_ = false;          // the text now read is in a symbol font (set by refresh)
    bool shppict_picture_ = false;  // the last \shppict gave a picture: skip its \nonshppict
    int skip_left_ = 0;
    int ansi_cp_ = 1252;
    int deff_ = 0;
    ParaFormat open_para_format_;
    std::unordered_map<int, int> font_by_num_;
    int cached_font_num_ = std::numeric_limits<int>::min();
    int cached_font_index_ = -1;
    std::vector<std::uint32_t> colors_;
    std::array<int, 3> pending_color_{-1, -1, -1};
    PendingFont pending_font_;
};

}  // namespace

bool looks_like_rtf(std::string_view bytes) { return bytes.substr(0, 5) == "{\\rtf"; }

std::optional<Document> parse_rtf(std::string_view bytes) {
    if (!looks_like_rtf(bytes)) return std::nullopt;
    return Parser(bytes).run();
}

std::optional<Document> parse_rtf(const ByteSource& source, std::size_t size_hint) {
    Parser parser(source, size_hint);
    if (!parser.starts_like_rtf()) return std::nullopt;
    return parser.run();
}

}  // namespace tarnvel::richtext
