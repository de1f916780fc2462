#pragma once
// The reader's view of the real strip window. Header only, so that the reader's library
// does not depend on the strip's.

#include "reader/strip_link.h"
#include "strip/frm_first.h"

namespace tarnvel::reader {

class FirstStrip final : public StripGeometry, public StripArrows {
public:
    explicit FirstStrip(strip::frmFirst& form) : form_(form) {}
    double Left() const override { return form_.Loaded() ? form_.window().Left() : 0; }
    double Top() const override { return form_.Loaded() ? form_.window().Top() : 0; }
    double Width() const override { return form_.Loaded() ? form_.window().Width() : 0; }
    double Height() const override { return form_.Loaded() ? form_.window().Height() : 0; }
    void ShowReaderClosed() override {
        if (!form_.Loaded()) return;
        form_.controls().ImageArrow1.SetVisible(false);
        form_.controls().ImageArrow0.SetVisible(true);
    }

private:
    strip::frmFirst& form_;
};

}  // namespace tarnvel::reader
