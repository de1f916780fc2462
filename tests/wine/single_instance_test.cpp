// The per-user claim on Windows: a later start is forwarded to the first, a claim given up
// or left by a crashed holder is taken over. Each "start" is a thread of its own, as a
// mutex belongs to the thread that owns it.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/single_instance.h"

namespace tarnvel::platform {
namespace {

using Outcome = SingleInstance::Outcome;
using Clock = std::chrono::steady_clock;

std::string unique_name(const char* what) {
    return std::string("tarnvel-test-") + what + "-" + std::to_string(GetCurrentProcessId());
}

// Runs `f` on another thread while this one handles its window messages, as a running
// calendar's main loop would.
template <class F>
void on_other_thread(F f) {
    std::atomic<bool> finished = false;
    std::thread t([&] {
        f();
        finished = true;
    });
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (!finished && Clock::now() < deadline) {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    t.join();
}

TEST(SingleInstanceWin32, ALaterStartIsForwardedToTheFirst) {
    int came_forward = 0;
    Outcome first{};
    const auto claim = SingleInstance::Claim(unique_name("forward"), [&] { ++came_forward; }, first);
    ASSERT_EQ(first, Outcome::First);
    ASSERT_NE(claim, nullptr);

    Outcome later{};
    bool later_claimed = true;
    on_other_thread([&] { later_claimed = SingleInstance::Claim(unique_name("forward"), {}, later) != nullptr; });
    EXPECT_EQ(later, Outcome::Forwarded);
    EXPECT_FALSE(later_claimed);
    EXPECT_EQ(came_forward, 1);
}

TEST(SingleInstanceWin32, AClaimGivenUpOrAbandonedIsTakenOver) {
    for (const bool crash : {false, true}) {
        SCOPED_TRACE(crash ? "holder crashed" : "holder ended");
        const std::string name = unique_name(crash ? "crash" : "ended");
        Outcome first{};
        std::thread([&] {
            auto claim = SingleInstance::Claim(name, {}, first);
            // A crash ends the thread with the mutex owned and its handle open: abandoned.
            if (crash) claim.release();
        }).join();
        ASSERT_EQ(first, Outcome::First);

        Outcome next{};
        const auto started = Clock::now();
        const auto claim = SingleInstance::Claim(name, {}, next);
        EXPECT_EQ(next, Outcome::First);
        EXPECT_NE(claim, nullptr);
        EXPECT_LT(Clock::now() - started, std::chrono::seconds(2));  // no waiting for an answer
    }
}

}  // namespace
}  // namespace tarnvel::platform
