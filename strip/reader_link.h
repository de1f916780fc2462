#pragma once
// What the strip asks of the reader window: open it under or over itself and drag it
// along with the top bar. The reader implements this; the strip reaches it through its
// seams, so neither library depends on the other.

#include <string_view>

namespace tarnvel::strip {

class ReaderLink {
public:
    virtual ~ReaderLink() = default;
    // Whether the reader is shown; asking loads it, hidden, when it is not loaded.
    virtual bool LoadedVisible() = 0;
    // Shows the reader, loading it first when needed.
    virtual void ShowReader() = 0;
    // The reader's outer height and a move of its top-left corner, in twips.
    virtual double ReaderHeight() const = 0;
    virtual void MoveReader(double left, double top) = 0;
    // The reader's own drag: its pointer record and its drag timer.
    virtual void ReaderUserMousePosition(std::string_view state) = 0;
    virtual void SetReaderDragTimer(bool on) = 0;
};

}  // namespace tarnvel::strip
