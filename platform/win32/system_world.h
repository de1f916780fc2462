#pragma once
// The real outside world on the Win32 API.

#include <string>

#include "platform/world.h"

namespace tarnvel::platform::win32 {

class SystemClock final : public Clock {
public:
    Date Today() const override;
    // The user's locale as it is at each call, so that a change is seen at once.
    std::string LongMonthName(int month) const override;
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

// `argument` quoted for a command line, so that the program receives it as one argument.
std::wstring QuoteArgument(const std::wstring& argument);

}  // namespace tarnvel::platform::win32
