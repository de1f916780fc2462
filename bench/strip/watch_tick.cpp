// Loads the strip on the real clock, pointer and screen and runs its pointer watch
// a number of times, so that callgrind can count one tick:
//   valgrind --tool=callgrind --toggle-collect='*TmrCheckMouse_Timer*' watch_tick N
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/application.h"
#include "strip/module.h"

int main(int argc, char** argv) {
    using namespace tarnvel;
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::string error;
    auto app = platform::Application::Start(argc, argv, error);
    if (!app) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    strip::frmFirst form(app->world(), {});
    strip::Main(form);
    platform::Application::ProcessEvents(50);
    form.TmrCheckMouse_Timer();  // the first tick only starts the watch
    for (int i = 0; i < ticks; ++i) form.TmrCheckMouse_Timer();
    std::printf("%d ticks\n", ticks);
    return 0;
}
