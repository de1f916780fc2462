#pragma once
// Lets the calendar's greeting and countdown write to the strip's Label6.

#include "calendar/label_sink.h"
#include "platform/label.h"

namespace tarnvel::strip {

class Label6Adapter final : public Label6Sink {
public:
    explicit Label6Adapter(platform::Label& label) : label_(label) {}
    void SetVisible(bool visible) override { label_.SetVisible(visible); }
    void SetForeColor(std::uint32_t colour) override { label_.SetForeColor(colour); }
    void SetCaption(std::string_view caption) override { label_.SetCaption(caption); }

private:
    platform::Label& label_;
};

}  // namespace tarnvel::strip
