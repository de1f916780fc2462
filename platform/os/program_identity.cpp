#include "platform/os/program_identity.h"

#include <unistd.h>

namespace tarnvel::platform::os {

RunningProgram::RunningProgram() {
    std::string path(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
    path.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        name_ = path;
        return;
    }
    folder_ = slash == 0 ? "/" : path.substr(0, slash);
    name_ = path.substr(slash + 1);
}

}  // namespace tarnvel::platform::os
