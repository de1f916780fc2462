#pragma once
// Operation arguments and date captions are compared without regard to case (ASCII letters).

#include <string_view>

namespace tarnvel::strip {

bool SameText(std::string_view a, std::string_view b) noexcept;

}  // namespace tarnvel::strip
