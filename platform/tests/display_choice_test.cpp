#include <gtest/gtest.h>

#include <map>

#include "platform/display_choice.h"

namespace tarnvel::platform {
namespace {

TEST(DisplayChoice, WaylandGoesThroughXWaylandUnlessAPlatformIsChosen) {
    using Env = std::map<std::string, std::string>;
    const struct {
        Env env;
        const char* platform;
        bool error;
    } cases[] = {
        {{{"DISPLAY", ":0"}}, "", false},
        {{{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}, "xcb", false},
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}}, "xcb", false},
        {{{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "wayland"}}, "", false},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, "xcb", true},  // no XWayland
        {{}, "", true},
        {{{"QT_QPA_PLATFORM", "xcb"}}, "", true},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, "", false},
    };
    for (const auto& k : cases) {
        const DisplayChoice c = ChooseDisplay([&](const char* name) {
            const auto it = k.env.find(name);
            return it == k.env.end() ? std::string() : it->second;
        });
        EXPECT_EQ(c.platform, k.platform) << k.env.size();
        EXPECT_EQ(!c.error.empty(), k.error) << k.env.size();
        EXPECT_EQ(c.error.find('\n'), std::string::npos);
    }
}

}  // namespace
}  // namespace tarnvel::platform
