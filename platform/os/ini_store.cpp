#include "platform/os/ini_store.h"

#include <cerrno>
#include <cstring>

#include "platform/os/ini_file.h"

namespace tarnvel::platform::os {
namespace {

// Settings are a handful of short values; anything larger is not ours.
constexpr std::size_t kLimit = 1 << 20;

}  // namespace

std::string IniStore::PathOf(std::string_view application) const {
    const std::string folder = folder_.empty() ? ConfigHome() : folder_;
    if (folder.empty() || application.empty() || application.find('/') != std::string_view::npos) return {};
    return folder + '/' + std::string(application) + ".ini";
}

std::string IniStore::GetSetting(std::string_view application, std::string_view section, std::string_view key,
                                 std::string_view fallback) {
    const std::string path = PathOf(application);
    if (path.empty()) return std::string(fallback);
    int error = 0;
    const std::string text = ReadWholeFile(path, kLimit, error);
    if (error != 0) return std::string(fallback);
    return IniFile::Parse(text).Get(section, key).value_or(std::string(fallback));
}

StoreError IniStore::SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                                 std::string_view value) {
    const std::string path = PathOf(application);
    if (path.empty()) return {ENOENT, "The settings could not be saved: no configuration folder is known."};
    int error = 0;
    // An unreadable or damaged file is replaced by a good one holding what can be kept.
    IniFile ini = IniFile::Parse(ReadWholeFile(path, kLimit, error));
    if (!ini.Set(section, key, value)) return {EINVAL, "The settings could not be saved: bad key name."};
    error = MakeDirs(fs_, path.substr(0, path.find_last_of('/')));
    if (error == 0) error = WriteFileAtomically(fs_, path, ini.Serialize());
    if (error == 0) return {};
    return {error, "The settings could not be saved to " + path + ": " + std::strerror(error)};
}

}  // namespace tarnvel::platform::os
