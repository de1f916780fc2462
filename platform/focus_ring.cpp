#include "platform/focus_ring.h"

namespace tarnvel::platform {

bool FocusRing::Key(platform::Key k) {
    switch (k) {
        case Key::Tab: return Move(1);
        case Key::BackTab: return Move(-1);
        case Key::Enter:
        case Key::Space: {
            if (current_ < 0) return false;
            // A copy: the handler may end the ring together with its window.
            const std::function<void()> activate = stops_[static_cast<std::size_t>(current_)].activate;
            if (activate) activate();
            return true;
        }
        case Key::Escape: return false;
    }
    return false;
}

bool FocusRing::Move(int step) {
    const int n = static_cast<int>(stops_.size());
    // From nothing, Tab lands on the first reachable stop and Shift+Tab on the last.
    int i = current_ < 0 ? (step > 0 ? -1 : n) : current_;
    for (int tried = 0; tried < n; ++tried) {
        i = ((i + step) % n + n) % n;
        const Stop& s = stops_[static_cast<std::size_t>(i)];
        if (s.reachable && !s.reachable()) continue;
        if (current_ >= 0) stops_[static_cast<std::size_t>(current_)].mark(false);
        current_ = i;
        s.mark(true);
        return true;
    }
    return false;
}

void FocusRing::Clear() {
    if (current_ >= 0) stops_[static_cast<std::size_t>(current_)].mark(false);
    current_ = -1;
}

}  // namespace tarnvel::platform
