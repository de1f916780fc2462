#pragma once
// Recording fakes of the outside world for tests: set what the world answers,
// read back what the program asked of it.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/world.h"

namespace tarnvel::platform::fake {

class FakeClock final : public Clock {
public:
    Date today{2026, 12, 6};
    std::vector<std::string> month_names{"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    mutable int reads = 0;

    Date Today() const override;
    std::string LongMonthName(int month) const override;
};

class FakePointer final : public Pointer {
public:
    std::optional<PixelPoint> position = PixelPoint{0, 0};  // empty: the read fails
    mutable int reads = 0;

    std::optional<PixelPoint> Position() const override;
};

class FakeScreen final : public Screen {
public:
    PixelSize size{1024, 768};
    TwipsPerPixel factors{15.0, 15.0};

    PixelSize Size() const override { return size; }
    TwipsPerPixel Factors() const override { return factors; }
};

class FakeLauncher final : public Launcher {
public:
    struct Start {
        std::string program;
        std::string argument;
        WindowStyle style;
    };
    std::set<std::string> existing_programs;  // StartProgram succeeds only for these
    bool browser_available = true;
    std::vector<Start> started;     // successful starts only
    std::vector<std::string> opened;  // successfully opened addresses
    int attempts = 0;               // every call of either operation

    bool StartProgram(const std::string& program, const std::string& argument, WindowStyle style) override;
    bool OpenUrl(const std::string& url) override;
};

class FakeMessageDialog final : public MessageDialog {
public:
    struct Shown {
        std::string text;
        std::string title;
    };
    std::vector<Shown> shown;

    bool Show(const std::string& text, const std::string& title) override;
};

class FakeFonts final : public Fonts {
public:
    std::set<std::string> installed{"Arial", "Times New Roman", "Noto Sans Gurmukhi"};

    bool Installed(std::string_view family) const override;
};

// All fakes together, and the World that refers to them.
struct FakeWorld {
    FakeClock clock;
    FakePointer pointer;
    FakeScreen screen;
    FakeLauncher launcher;
    FakeMessageDialog message_box;
    FakeFonts fonts;
    World world() { return World{clock, pointer, screen, launcher, message_box, fonts}; }
};

}  // namespace tarnvel::platform::fake
