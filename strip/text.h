#pragma once
// Text comparisons of the strip: operation arguments and date captions are
// compared without regard to case (ASCII letters).

#include <string_view>

namespace tarnvel::strip {

bool SameText(std::string_view a, std::string_view b) noexcept;

// Whether a stored setting's text is the number 1 ("1", " 1 ", "01", "1.0", "+1");
// a text that is not a number at all is not.
bool IsNumberOne(std::string_view text) noexcept;

}  // namespace tarnvel::strip
