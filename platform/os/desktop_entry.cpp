#include "platform/os/desktop_entry.h"

namespace tarnvel::platform::os {

std::string EscapeDesktopString(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        switch (const char c = value[i]) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case ' ': out += i == 0 ? "\\s" : " "; break;
        default: out += c;
        }
    }
    return out;
}

std::string DesktopExec(std::string_view program) {
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';  // a literal percent, not a field code
        quoted += c;
    }
    quoted += '"';
    return EscapeDesktopString(quoted);
}

std::string AutostartEntry(std::string_view name, std::string_view program) {
    std::string e = "[Desktop Entry]\nType=Application\n";
    e += "Name=" + EscapeDesktopString(name) + '\n';
    e += "Exec=" + DesktopExec(program) + '\n';
    e += "TryExec=" + EscapeDesktopString(program) + '\n';
    e += "Terminal=false\nX-GNOME-Autostart-enabled=true\n";
    return e;
}

}  // namespace tarnvel::platform::os
