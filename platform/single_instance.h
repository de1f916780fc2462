#pragma once
// One calendar per user: the first start holds a claim for as long as it runs; a
// later start asks that one to come forward instead of starting a second.

#include <functional>
#include <memory>
#include <string>

namespace tarnvel::platform {

class SingleInstance {
public:
    enum class Outcome {
        First,      // this process now holds the claim
        Forwarded,  // another process holds it and was asked to come forward
        NoAnswer,   // another process holds it but could not be reached
    };
    // Claims `name` for this user. `on_second_start` runs on the user-interface thread
    // each time a later start asks to come forward. A claim left by a process that
    // ended without giving it up (a crash) is taken over.
    static std::unique_ptr<SingleInstance> Claim(const std::string& name, std::function<void()> on_second_start,
                                                 Outcome& outcome);
    ~SingleInstance();

    struct Impl;

private:
    SingleInstance();
    std::unique_ptr<Impl> impl_;
};

}  // namespace tarnvel::platform
