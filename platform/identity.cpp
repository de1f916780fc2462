// The running program as the settings and the log-on entry ask for it, on every platform.
#include "platform/application.h"

namespace tarnvel::platform {

const ProgramIdentity& Application::Identity() {
    struct Running final : ProgramIdentity {
        std::string AppPath() const override { return ProgramFolder(); }
        std::string ExeName() const override { return ProgramName(); }
    };
    static const Running running;
    return running;
}

}  // namespace tarnvel::platform
