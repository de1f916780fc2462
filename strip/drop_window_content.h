#pragma once
// What the reader window shows: 0 nothing chosen or closed, 4 opened from the strip's
// "More Information", or the tag text of the section shown.

#include <string>
#include <variant>

namespace tarnvel::strip {

using DropWindowContent = std::variant<int, std::string>;

inline DropWindowContent DropWindow_Content = 0;

}  // namespace tarnvel::strip
