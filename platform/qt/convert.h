#pragma once
// Conversions between the platform's values and Qt's, shared by the Qt implementation.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QMouseEvent>
#include <QString>
#include <Qt>
#include <functional>
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

// The installed family that stands for a font name of the design (see fonts.cpp).
QString InstalledFamily(std::string_view design_name);

inline QFont ToQFont(const Font& f) {
    QFont q(InstalledFamily(f.name));
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

// A pointer event for a control's or a window's handler; unset handlers ignore it.
// The event is taken either way, so it never reaches the widget underneath.
inline void DeliverButton(const std::function<void(MouseButton)>& handler, QMouseEvent* e) {
    if (const auto b = FromQButton(e->button()); b && handler) handler(*b);
    e->accept();
}
inline void DeliverMove(const std::function<void()>& handler, QMouseEvent* e) {
    if (handler) handler();
    e->accept();
}

// A picture compiled into the program, by file name without ".png"; null or invalid when
// there is none. Read as PNG only: a reader left to guess asks every image plug-in (JPEG,
// GIF, ...) and loads each of them.
QImage ReadAsset(std::string_view name);
QSize AssetSize(std::string_view name);  // from the header alone

// Factors of the primary screen's logical DPI; 15 x 15 when there is no screen.
TwipsPerPixel ScreenFactors();

}  // namespace tarnvel::platform::qt
