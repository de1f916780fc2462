// tarnvel: the Nanakshahi calendar strip.
#include <cstdio>
#include <string>

#include "platform/application.h"
#include "strip/module.h"

int main(int argc, char** argv) {
    using namespace tarnvel;
    std::string error;
    auto app = platform::Application::Start(argc, argv, error);
    if (!app) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    strip::frmFirst* strip_form = nullptr;
    strip::StripSeams seams;
    seams.HideAllForms = [&strip_form] {
        if (strip_form) strip::HideAllForms(*strip_form);
    };
    strip::frmFirst form(app->world(), seams);
    strip_form = &form;
    strip::Main(form);
    return app->Run();
}
