#include "platform/fake/fakes.h"

namespace tarnvel::platform::fake {

Date FakeClock::Today() const {
    ++reads;
    return today;
}

std::string FakeClock::LongMonthName(int month) const {
    if (month < 1 || month > static_cast<int>(month_names.size())) return {};
    return month_names[static_cast<std::size_t>(month - 1)];
}

std::optional<PixelPoint> FakePointer::Position() const {
    ++reads;
    return position;
}

bool FakeLauncher::StartProgram(const std::string& program, const std::string& argument, WindowStyle style) {
    ++attempts;
    if (!existing_programs.contains(program)) return false;
    started.push_back({program, argument, style});
    return true;
}

bool FakeLauncher::OpenUrl(const std::string& url) {
    ++attempts;
    if (!browser_available) return false;
    opened.push_back(url);
    return true;
}

bool FakeMessageDialog::Show(const std::string& text, const std::string& title) {
    shown.push_back({text, title});
    return true;
}

bool FakeFonts::Installed(std::string_view family) const { return installed.contains(std::string(family)); }

}  // namespace tarnvel::platform::fake
