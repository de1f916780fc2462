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
        bool advice;  // how to get XWayland, in the error or for a failed connection
    } cases[] = {
        {{{"DISPLAY", ":0"}}, "", false, false},
        {{{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}, "xcb", false, true},
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}}, "xcb", false, true},
        {{{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "wayland"}}, "", false, false},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, "xcb", true, true},  // no XWayland
        {{{"XDG_SESSION_TYPE", "wayland"}, {"QT_QPA_PLATFORM", "xcb"}}, "", true, true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "offscreen"}}, "", false, false},
        {{}, "", true, false},
        {{{"XDG_SESSION_TYPE", "x11"}}, "", true, false},
        {{{"QT_QPA_PLATFORM", "xcb"}}, "", true, false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, "", false, false},
    };
    for (const auto& k : cases) {
        const DisplayChoice c = ChooseDisplay([&](const char* name) {
            const auto it = k.env.find(name);
            return it == k.env.end() ? std::string() : it->second;
        });
        EXPECT_EQ(c.platform, k.platform) << k.env.size();
        EXPECT_EQ(!c.error.empty(), k.error) << k.env.size();
        EXPECT_EQ(c.error.find('\n'), std::string::npos);
        EXPECT_EQ(c.advice.find("XWayland") != std::string::npos, k.advice) << k.env.size();
        if (k.error) {
            EXPECT_EQ(c.error.find("XWayland") != std::string::npos, k.advice) << c.error;
        }
    }
}

}  // namespace
}  // namespace tarnvel::platform
