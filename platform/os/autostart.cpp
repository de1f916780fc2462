#include "platform/os/autostart.h"

#include <cerrno>
#include <cstring>

#include "platform/os/desktop_entry.h"

namespace tarnvel::platform::os {
namespace {

// A value name becomes a file name: nothing that could leave the folder or hide the file.
bool valid_name(std::string_view name) {
    return !name.empty() && name.front() != '.' && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

}  // namespace

std::string AutostartRegistry::Folder() const {
    if (!folder_.empty()) return folder_;
    const std::string home = ConfigHome();
    return home.empty() ? std::string() : home + "/autostart";
}

std::string AutostartRegistry::EntryPath(std::string_view name) const {
    return Folder() + '/' + std::string(name) + ".desktop";
}

long AutostartRegistry::RegCreateKeyExA(RegKey root, std::string_view subkey, std::uint32_t, std::string_view,
                                        std::uint32_t, std::uint32_t, RegKey* result) {
    if (root != HKEY_CURRENT_USER_ || subkey != RunKeyPath || !result) return EINVAL;
    const std::string folder = Folder();
    if (folder.empty()) return ENOENT;
    if (const int e = MakeDirs(fs_, folder); e != 0) return e;
    const RegKey key = next_++;
    open_[key] = folder;
    *result = key;
    return 0;
}

long AutostartRegistry::RegSetValueExA(RegKey key, std::string_view name, std::uint32_t, std::uint32_t type,
                                       std::string_view data, std::uint32_t length) {
    const auto it = open_.find(key);
    if (it == open_.end()) return EBADF;
    // A text value carries its NUL, and the length says so.
    if (type != REG_SZ_ || !valid_name(name) || length != data.size() || data.empty() || data.back() != '\0')
        return EINVAL;
    const std::string_view program = data.substr(0, data.size() - 1);
    if (program.empty() || program.find('\0') != std::string_view::npos) return EINVAL;
    return WriteFileAtomically(fs_, it->second + '/' + std::string(name) + ".desktop",
                               AutostartEntry(name, program));
}

long AutostartRegistry::RegDeleteValueA(RegKey key, std::string_view name) {
    const auto it = open_.find(key);
    if (it == open_.end()) return EBADF;
    if (!valid_name(name)) return EINVAL;
    return fs_.Unlink(it->second + '/' + std::string(name) + ".desktop") == 0 ? 0 : errno;
}

long AutostartRegistry::RegCloseKey(RegKey key) { return open_.erase(key) == 1 ? 0 : EBADF; }

std::string AutostartRegistry::ErrorText(long code) const { return std::strerror(static_cast<int>(code)); }

}  // namespace tarnvel::platform::os
