#include "platform/os/ini_store.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/os/ini_file.h"

namespace tarnvel::platform::os {
namespace {

// The file a link at `path` leads to, so that a save replaces that file and keeps the link;
// `path` itself when it is no link or leads nowhere.
std::string followed(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string target(real);
    std::free(real);
    return target;
}

std::string not_saved(const std::string& path, const std::string& why) {
    return "The settings could not be saved to " + path + ": " + why;
}

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
    const std::string named = PathOf(application);
    if (named.empty()) return {ENOENT, "The settings could not be saved: no configuration folder is known."};
    const std::string path = followed(named);
    int read_error = 0;
    const std::string old = ReadWholeFile(path, kLimit, read_error);
    // A missing file (or folder) is made afresh; a folder in the file's place is refused by the
    // write below, and left as it is.
    const bool fresh = read_error == ENOENT || read_error == ENOTDIR || read_error == EISDIR;
    const bool unread = read_error != 0 && !fresh;

    IniFile ini = IniFile::Parse(old);
    if (!ini.Set(section, key, value)) return {EINVAL, "The settings could not be saved: bad key name."};
    const std::string text = ini.Serialize();
    if (read_error == 0 && text == old) return {};
    if (read_error == 0 && ::access(path.c_str(), W_OK) != 0 && errno == EACCES)
        return {EACCES, not_saved(path, std::string("the file is read-only (") + std::strerror(EACCES) + ").")};

    int error = MakeDirs(fs_, path.substr(0, path.find_last_of('/')));
    std::string kept_as;
    if (error == 0) error = unread ? WriteFileKeepingOld(fs_, path, text, path + ".unread", kept_as)
                                   : WriteFileAtomically(fs_, path, text);
    if (error != 0) return {error, not_saved(path, std::strerror(error))};
    if (!unread) return {};
    return {read_error, "The settings file " + path + " could not be read (" + std::strerror(read_error) +
                            "), so it was kept as " + kept_as + " and the settings were saved in a new file."};
}

}  // namespace tarnvel::platform::os
