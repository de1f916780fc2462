#include "platform/os/file_layer.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnvel::platform::os {

int FileLayer::MakeTemp(std::string& path_template) { return ::mkstemp(path_template.data()); }
ssize_t FileLayer::Write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }
int FileLayer::Sync(int fd) { return ::fsync(fd); }
int FileLayer::Close(int fd) { return ::close(fd); }
int FileLayer::Rename(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()); }
int FileLayer::RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return -1;
    // A file system without the flag: a second link fails on an existing name just the same.
    if (::link(from.c_str(), to.c_str()) != 0) return -1;
    return ::unlink(from.c_str());
}
int FileLayer::Unlink(const std::string& path) { return ::unlink(path.c_str()); }
int FileLayer::MakeDir(const std::string& path) { return ::mkdir(path.c_str(), 0755); }

FileLayer& FileLayer::Real() {
    static FileLayer real;
    return real;
}

std::string ReadWholeFile(const std::string& path, std::size_t limit, int& error) {
    error = 0;
    // Without O_NONBLOCK opening a named pipe would wait for a writer for ever; it is
    // refused below like anything else that is not a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = errno;
        return {};
    }
    std::string data;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    } else if (static_cast<std::size_t>(st.st_size) > limit) {
        error = EFBIG;
    } else {
        char buf[16384];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                error = errno;
                break;
            }
            if (n == 0) break;
            data.append(buf, static_cast<std::size_t>(n));
            if (data.size() > limit) {
                error = EFBIG;  // grew while being read
                break;
            }
        }
    }
    ::close(fd);
    if (error != 0) data.clear();
    return data;
}

namespace {

// Writes `contents` to a new file beside `path` and syncs it: its name on success, else empty
// with `error` set and nothing left behind.
std::string WriteTemp(FileLayer& fs, const std::string& path, const std::string& contents, int& error) {
    std::string temp = path + ".XXXXXX";
    const int fd = fs.MakeTemp(temp);
    if (fd < 0) {
        error = errno;
        return {};
    }
    error = 0;
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = fs.Write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (error == 0 && fs.Sync(fd) != 0) error = errno;
    if (fs.Close(fd) != 0 && error == 0) error = errno;
    if (error == 0) return temp;
    fs.Unlink(temp);
    return {};
}

}  // namespace

int WriteFileAtomically(FileLayer& fs, const std::string& path, const std::string& contents) {
    int error = 0;
    const std::string temp = WriteTemp(fs, path, contents, error);
    if (error != 0) return error;
    if (fs.Rename(temp, path) == 0) return 0;
    error = errno;
    fs.Unlink(temp);
    return error;
}

int WriteFileKeepingOld(FileLayer& fs, const std::string& path, const std::string& contents,
                        const std::string& aside, std::string& kept_as) {
    kept_as.clear();
    int error = 0;
    const std::string temp = WriteTemp(fs, path, contents, error);
    if (error != 0) return error;
    // Bounded: a folder holding a thousand kept copies has something else wrong with it.
    for (int n = 1; n <= 1000 && kept_as.empty(); ++n) {
        const std::string name = n == 1 ? aside : aside + '-' + std::to_string(n);
        if (fs.RenameNoReplace(path, name) == 0) kept_as = name;
        else if (errno != EEXIST) break;
    }
    if (kept_as.empty()) {
        error = errno;
    } else if (fs.Rename(temp, path) != 0) {
        error = errno;
        fs.RenameNoReplace(kept_as, path);  // back where it was
        kept_as.clear();
    }
    if (error != 0) fs.Unlink(temp);
    return error;
}

int MakeDirs(FileLayer& fs, const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    const auto slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0) {
        if (const int e = MakeDirs(fs, path.substr(0, slash)); e != 0) return e;
    }
    if (fs.MakeDir(path) != 0 && errno != EEXIST) return errno;
    return 0;
}

std::string ConfigHome() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.config";
    return {};
}

}  // namespace tarnvel::platform::os
