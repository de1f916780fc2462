#pragma once
// Conversions between the platform's values and Qt's, shared by the Qt implementation.

#include <QColor>
#include <QFont>
#include <QString>
#include <Qt>
#include <optional>
#include <string>
#include <string_view>

#include "platform/colour.h"
#include "platform/font.h"
#include "platform/units.h"

namespace tarnvel::platform::qt {

inline QColor ToQColor(Colour c) { return QColor(Red(c), Green(c), Blue(c)); }

inline QString ToQString(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline QFont ToQFont(const Font& f) {
    QFont q(ToQString(f.name));
    q.setPointSizeF(f.size > 0 ? f.size : 1.0);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    return q;
}

inline std::optional<MouseButton> FromQButton(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return MouseButton::Left;
        case Qt::RightButton: return MouseButton::Right;
        case Qt::MiddleButton: return MouseButton::Middle;
        default: return std::nullopt;
    }
}

// Factors of the primary screen's logical DPI; 15 x 15 when there is no screen.
TwipsPerPixel ScreenFactors();

}  // namespace tarnvel::platform::qt
