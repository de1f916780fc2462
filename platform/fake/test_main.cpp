// The main of window test programs: starts the platform and runs GoogleTest. On Linux the tests
// run on Qt's offscreen platform unless another one is chosen.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/fake/test_application.h"

namespace tarnvel::platform {
namespace {
std::unique_ptr<Application> g_app;
}
Application& TestApplication() { return *g_app; }
}  // namespace tarnvel::platform

int main(int argc, char** argv) {
#ifndef _WIN32
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (at build time) needs no display.
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    std::string error;
    tarnvel::platform::g_app = tarnvel::platform::Application::Start(argc, argv, error);
    if (!tarnvel::platform::g_app) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const int status = RUN_ALL_TESTS();
    tarnvel::platform::g_app.reset();
    return status;
}
