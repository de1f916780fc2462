#include "cli/unicode_filter.h"

#include <algorithm>
#include <memory>
#include <string>

#include "gurmukhi/gurmukhi.h"

namespace tarnvel::cli {
namespace {

constexpr std::size_t ReadSize = 1 << 16;

// Where `pending` may be cut so that converting the two parts separately gives the same
// text as converting it whole: after its last newline, else (only when it has grown past
// `limit`) after its last space or tab, else before a UTF-8 lead byte. 0 = keep it all.
std::size_t cut_point(const std::string& pending, std::size_t limit) {
    const std::size_t nl = pending.rfind('\n');
    if (nl != std::string::npos) return nl + 1;
    if (pending.size() <= limit) return 0;
    const std::size_t blank = pending.find_last_of(" \t");
    if (blank != std::string::npos) return blank + 1;
    std::size_t i = pending.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(pending[i]) & 0xC0) == 0x80) --i;
    return i > 0 ? i : pending.size();
}

}  // namespace

FilterStatus convert_stream(std::istream& in, std::ostream& out, std::size_t max_pending) {
    const auto block = std::make_unique<char[]>(ReadSize);
    std::string pending;
    for (;;) {
        // Take what has already arrived (at least one byte), so that typed lines come
        // back as soon as they are complete rather than when a block is full.
        const bool end = in.peek() == std::istream::traits_type::eof();
        if (in.bad()) return FilterStatus::ReadError;
        if (!end) {
            const std::streamsize ready = std::max<std::streamsize>(in.rdbuf()->in_avail(), 1);
            in.read(block.get(), std::min<std::streamsize>(ready, ReadSize));
            if (in.bad()) return FilterStatus::ReadError;
            pending.append(block.get(), static_cast<std::size_t>(in.gcount()));
        }
        const std::size_t cut = end ? pending.size() : cut_point(pending, max_pending);
        if (cut > 0) {
            if (!(out << gurmukhi::legacy_to_unicode(std::string_view(pending).substr(0, cut))))
                return FilterStatus::WriteError;
            pending.erase(0, cut);
            if (!out.flush()) return FilterStatus::WriteError;
        }
        if (end) return FilterStatus::Ok;
    }
}

}  // namespace tarnvel::cli
