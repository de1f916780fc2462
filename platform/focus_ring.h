#pragma once
// The keyboard's way through a window's controls: Tab and Shift+Tab move a visible mark
// from stop to stop (hidden stops are passed over, the ends wrap), Enter and Space activate
// the marked stop. Nothing is marked until the first Tab, so a window used only with the
// pointer looks as it always did. No toolkit: a window's on_key feeds it.

#include <functional>
#include <vector>

#include "platform/accessible.h"

namespace tarnvel::platform {

class FocusRing {
public:
    struct Stop {
        std::function<bool()> reachable;   // shown: the mark can rest on it
        std::function<void(bool)> mark;    // draw or remove the mark
        std::function<void()> activate;
    };

    // A control that can carry the mark and has an on_activate (Label, Picture).
    template <class Control>
    void Add(Control& c) {
        Add(Stop{[&c] { return c.Visible(); }, [&c](bool on) { c.SetFocusMark(on); },
                 [&c] {
                     if (c.on_activate) c.on_activate();
                 }});
    }
    void Add(Stop stop) { stops_.push_back(std::move(stop)); }

    // Tab, BackTab, Enter and Space; false for other keys, for Enter or Space with nothing
    // marked, and for Tab when no stop is reachable. Activation may destroy the ring's
    // window: nothing of the ring is touched after it.
    bool Key(platform::Key k);
    // Removes the mark (the window was hidden, or the pointer took over).
    void Clear();
    // The marked stop's index in the order added; -1: none.
    int Current() const { return current_; }

private:
    bool Move(int step);

    std::vector<Stop> stops_;
    int current_ = -1;
};

}  // namespace tarnvel::platform
