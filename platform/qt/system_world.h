#pragma once
// The real outside world on Qt.

#include <memory>

#include "platform/world.h"

namespace tarnvel::platform::qt {

class SystemClock final : public Clock {
public:
    SystemClock();
    ~SystemClock() override;
    Date Today() const override;
    std::string LongMonthName(int month) const override;

private:
    // The names of the locale last asked, so that the watch's tick formats without
    // building them anew; a change of the locale is seen at the next call.
    struct Names;
    std::unique_ptr<Names> names_;
    // When the zone's rules are next read again (steady clock, nanoseconds).
    mutable long long next_zone_read_ = 0;
};

class SystemPointer final : public Pointer {
public:
    std::optional<PixelPoint> Position() const override;
};

class SystemScreen final : public Screen {
public:
    PixelSize Size() const override;
    TwipsPerPixel Factors() const override;
};

class SystemLauncher final : public Launcher {
public:
    bool StartProgram(const std::string& program, const std::string& argument, WindowStyle style) override;
    bool OpenUrl(const std::string& url) override;
};

class SystemMessageDialog final : public MessageDialog {
public:
    bool Show(const std::string& text, const std::string& title) override;
};

class SystemFonts final : public Fonts {
public:
    bool Installed(std::string_view family) const override;
};

struct SystemWorld {
    SystemClock clock;
    SystemPointer pointer;
    SystemScreen screen;
    SystemLauncher launcher;
    SystemMessageDialog message_box;
    SystemFonts fonts;
    World world() { return World{clock, pointer, screen, launcher, message_box, fonts}; }
};

}  // namespace tarnvel::platform::qt
