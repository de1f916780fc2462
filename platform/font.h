#pragma once
// A font as the controls describe it: a family name and a size in points.

#include <string>

namespace tarnvel::platform {

struct Font {
    std::string name = "Arial";
    double size = 9.0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class MouseButton { Left, Right, Middle };

}  // namespace tarnvel::platform
