// tarnvel: the Nanakshahi calendar.
#include <cstdio>
#include <string>

#include "app/program.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    std::string error;
    auto app = tarnvel::platform::Application::Start(argc, argv, error);
    if (!app) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return tarnvel::RunProgram(*app);
}
