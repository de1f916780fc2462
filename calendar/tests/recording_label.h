#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "calendar/label_sink.h"

namespace tarnvel::test {

// Keeps the label's state and every write, in order.
class RecordingLabel : public Label6Sink {
public:
    bool visible = false;
    std::uint32_t colour = 0;
    std::string caption = "New Year";
    std::vector<std::string> writes;

    void SetVisible(bool v) override {
        visible = v;
        writes.push_back(v ? "visible" : "hidden");
    }
    void SetForeColor(std::uint32_t c) override {
        colour = c;
        writes.push_back("colour");
    }
    void SetCaption(std::string_view c) override {
        caption = c;
        writes.push_back("caption");
    }
};

}  // namespace tarnvel::test
