#pragma once
// The real outside world, declared once; platform/qt and platform/win32 each implement it
// with their own system calls.

#include <memory>

#include "platform/world.h"

namespace tarnvel::platform {

class SystemClock final : public Clock {
public:
    SystemClock();
    ~SystemClock() override;
    Date Today() const override;
    // The locale in force at the call: a change of the user's locale is seen at the next call.
    std::string LongMonthName(int month) const override;

private:
    // What a backend keeps between calls, so that the watch's tick asks the system little.
    struct Cache;
    std::unique_ptr<Cache> cache_;
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

}  // namespace tarnvel::platform
