#pragma once
// Output made a piece at a time and written in large blocks, so that a view of any length
// runs in constant memory.

#include <cstddef>
#include <ostream>
#include <string>

namespace tarnvel::cli {

class BlockOutput {
public:
    explicit BlockOutput(std::ostream& out, std::size_t block = std::size_t{1} << 18) : out_(out), block_(block) {
        text_.reserve(block + block / 4);
    }

    // Where the pieces go.
    std::string& text() noexcept { return text_; }

    // Writes what has been made once it fills a block; false once the stream has failed.
    bool flush_if_full() { return text_.size() < block_ || write(); }
    bool finish() { return write() && static_cast<bool>(out_.flush()); }

private:
    bool write() {
        const bool ok = static_cast<bool>(out_.write(text_.data(), static_cast<std::streamsize>(text_.size())));
        text_.clear();
        return ok;
    }

    std::ostream& out_;
    std::size_t block_;
    std::string text_;
};

}  // namespace tarnvel::cli
