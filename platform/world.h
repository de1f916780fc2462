#pragma once
// What the windows' logic reads from or starts in the world outside the program.
// The program passes the real implementations (platform/qt), tests the recording
// fakes (platform/fake).

#include <optional>
#include <string>
#include <string_view>

#include "platform/units.h"

namespace tarnvel::platform {

struct Date {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
    friend constexpr bool operator==(Date, Date) noexcept = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Today's local date; cannot fail.
    virtual Date Today() const = 0;
    // The system's full name of month 1..12 (e.g. "March"); empty for any other number.
    virtual std::string LongMonthName(int month) const = 0;
};

class Pointer {
public:
    virtual ~Pointer() = default;
    // The pointer in screen pixels; empty when the platform cannot tell (no pointer, Wayland).
    virtual std::optional<PixelPoint> Position() const = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    // The primary screen's full size in pixels; 0 x 0 when there is no screen.
    virtual PixelSize Size() const = 0;
    // Twips per pixel from the screen's logical DPI; 15 x 15 when there is no screen.
    virtual TwipsPerPixel Factors() const = 0;
};

enum class WindowStyle { Normal, MaximizedFocus };

class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts `program` with one argument text; false when it does not exist or cannot start.
    virtual bool StartProgram(const std::string& program, const std::string& argument, WindowStyle style) = 0;
    // Opens an address in the desktop's default browser; false when no browser could be started.
    virtual bool OpenUrl(const std::string& url) = 0;
};

class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    // A modal message with an OK button; returns when dismissed, false when it could not be shown.
    virtual bool Show(const std::string& text, const std::string& title) = 0;
};

class Fonts {
public:
    virtual ~Fonts() = default;
    // Whether a font family of exactly this name is installed; false on any doubt.
    virtual bool Installed(std::string_view family) const = 0;
};

// The forms of a date the program writes.
enum class DateForm {
    DayMonthNameYear,  // "dd mmmm yyyy": 06 December 2026
    DayMonthYear,      // "dd mm yyyy":   06 12 2026
    DayMonthYearDash,  // "dd-mm-yyyy":   06-12-2026
};

std::string FormatDate(Date d, DateForm form, const Clock& clock);

// The outside world as one bundle of references that outlive the windows.
struct World {
    const Clock& clock;
    const Pointer& pointer;
    const Screen& screen;
    Launcher& launcher;
    MessageDialog& message_box;
    const Fonts& fonts;
};

}  // namespace tarnvel::platform
