#pragma once
// The few file calls the settings store and the autostart entries make, behind
// one seam so that faults no permission bit can cause for root (a full disk, a
// failing rename) can be injected. The real layer calls POSIX directly.

#include <string>
#include <sys/types.h>

namespace tarnvel::platform::os {

class FileLayer {
public:
    virtual ~FileLayer() = default;
    // Each returns what its POSIX namesake returns, with errno set on failure.
    virtual int MakeTemp(std::string& path_template);  // mkstemp: a new file, its descriptor
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const std::string& from, const std::string& to);
    // rename, failing with EEXIST instead of replacing `to`.
    virtual int RenameNoReplace(const std::string& from, const std::string& to);
    virtual int Unlink(const std::string& path);
    virtual int MakeDir(const std::string& path);

    static FileLayer& Real();
};

// Reads a whole regular file of at most `limit` bytes. Empty with `error` set
// (an errno value) when it is missing, not a regular file, unreadable or larger.
std::string ReadWholeFile(const std::string& path, std::size_t limit, int& error);

// Replaces `path` with `contents` so that at every moment the file holds either the
// old or the new contents, never a mixture: written beside it, synced, renamed over.
// 0 on success, else an errno value; the old file is then untouched.
int WriteFileAtomically(FileLayer& fs, const std::string& path, const std::string& contents);

// The same, except that the old file is not replaced but moved to the first free name of
// `aside`, `aside`-2, `aside`-3, ... (the name taken is left in `kept_as`) just before the new
// one takes its place. 0 on success, else an errno value; the old file is then where it was.
int WriteFileKeepingOld(FileLayer& fs, const std::string& path, const std::string& contents,
                        const std::string& aside, std::string& kept_as);

// Creates `path` and its missing parents. 0 on success (also when it exists as a
// folder), else an errno value (ENOTDIR when a file stands in the way).
int MakeDirs(FileLayer& fs, const std::string& path);

// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config; empty when neither is known.
std::string ConfigHome();

}  // namespace tarnvel::platform::os
