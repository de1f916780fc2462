// What only the Windows date watch does: the system's broadcasts of a time change and of a
// resume from suspend wake it at once; other power events do not.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/date_watch.h"

namespace tarnvel::platform::win32 {
namespace {

using namespace std::chrono;

TEST(Win32DateWatch, TimeChangesAndResumesWakeItOtherPowerEventsDoNot) {
    Win32DateWatch watch([](WallTime now) { return now + hours(1); });
    EXPECT_EQ(watch.Window(), 0u) << "nothing is made before the first Start";
    int calls = 0;
    ASSERT_TRUE(watch.Start([&] { ++calls; }));
    const HWND w = reinterpret_cast<HWND>(watch.Window());
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(IsWindowVisible(w));

    const struct {
        UINT msg;
        WPARAM wp;
        int calls;
    } steps[] = {
        {WM_TIMECHANGE, 0, 1},
        {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 2},
        {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 3},
        {WM_POWERBROADCAST, PBT_APMSUSPEND, 3},
        {WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 3},
        {WM_SETTINGCHANGE, 0, 3},
    };
    for (const auto& s : steps) {
        SendMessageW(w, s.msg, s.wp, 0);
        EXPECT_EQ(calls, s.calls) << "message " << s.msg << " " << s.wp;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_TIMECHANGE, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    EXPECT_EQ(calls, 4) << "the broadcast to every top-level window: the watch's must be one";

    watch.Stop();
    SendMessageW(w, WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(calls, 4);
}

}  // namespace
}  // namespace tarnvel::platform::win32
