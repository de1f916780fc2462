// The main of the Windows test programs: starts the platform and runs GoogleTest.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/fake/test_application.h"

namespace tarnvel::platform {
namespace {
std::unique_ptr<Application> g_app;
}
Application& TestApplication() { return *g_app; }
}  // namespace tarnvel::platform

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
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
