#pragma once
// `--unicode`: GurbaniLipi-encoded UTF-8 text in, Unicode Gurmukhi out, a piece at a time.

#include <cstddef>
#include <istream>
#include <ostream>

namespace tarnvel::cli {

enum class FilterStatus { Ok, ReadError, WriteError };

// Converts `in` to `out`, handing the converter whole lines. A line longer than
// `max_pending` bytes is cut after its last space or tab (signs never reach across a
// space), or failing that at a character boundary, so memory stays bounded by it.
FilterStatus convert_stream(std::istream& in, std::ostream& out, std::size_t max_pending = std::size_t{1} << 20);

}  // namespace tarnvel::cli
