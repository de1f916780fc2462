#pragma once
// What the reader reads of the strip window and changes on it. The program passes an
// adapter over frmFirst (reader/first_strip.h); tests pass a plain record.

namespace tarnvel::reader {

class StripGeometry {
public:
    virtual ~StripGeometry() = default;
    // The strip's outer frame, in twips.
    virtual double Left() const = 0;
    virtual double Top() const = 0;
    virtual double Width() const = 0;
    virtual double Height() const = 0;
};

class StripArrows {
public:
    virtual ~StripArrows() = default;
    // Turns the strip's triangle back to pointing right: the reader is closed.
    virtual void ShowReaderClosed() = 0;
};

}  // namespace tarnvel::reader
