#pragma once
#include "platform/program.h"

namespace tarnvel::platform::os {

// The running program as the kernel names it (/proc/self/exe), links resolved.
class RunningProgram : public ProgramIdentity {
public:
    RunningProgram();
    std::string AppPath() const override { return folder_; }
    std::string ExeName() const override { return name_; }

private:
    std::string folder_;
    std::string name_;
};

}  // namespace tarnvel::platform::os
