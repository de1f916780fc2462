// The real outside world on Win32: month names, command lines, programs, fonts and the
// system's date broadcasts.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/convert.h"
#include "platform/win32/date_watch.h"
#include "platform/system_world.h"
#include "platform/win32/system_world.h"

namespace tarnvel::platform::win32 {
namespace {

TEST(SystemClock, MonthNamesAreTheLocalesInUtf8) {
    // The date formatter is another way to the same names: it catches a month off by one and
    // text that is not UTF-8.
    SystemClock clock;
    for (WORD m = 1; m <= 12; ++m) {
        SYSTEMTIME t{};
        t.wYear = 2026;
        t.wMonth = m;
        t.wDay = 1;
        wchar_t name[80];
        ASSERT_GT(GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &t, L"MMMM", name, 80, nullptr), 0);
        EXPECT_EQ(clock.LongMonthName(m), Narrow(name)) << m;
    }
    EXPECT_EQ(clock.LongMonthName(13), "");
    EXPECT_EQ(clock.LongMonthName(-1), "");
}

TEST(SystemLauncher, QuotesAnArgumentSoThatTheProgramReadsItBackWhole) {
    for (const std::wstring arg : {L"plain", L"two words", L"", L"say \"hi\"", L"C:\\a b\\", L"x\\\\\"y", L"\\\\server\\"}) {
        const std::wstring line = L"prog.exe " + QuoteArgument(arg);
        int argc = 0;
        LPWSTR* argv = CommandLineToArgvW(line.c_str(), &argc);
        ASSERT_EQ(argc, 2) << Narrow(line);
        EXPECT_EQ(std::wstring(argv[1]), arg) << Narrow(line);
        LocalFree(argv);
    }
}

TEST(SystemLauncher, StartsAProgramThatExistsOnly) {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    SystemLauncher launcher;
    EXPECT_TRUE(launcher.StartProgram(Narrow(system) + "\\cmd.exe", "/c", WindowStyle::Normal));
    EXPECT_FALSE(launcher.StartProgram(Narrow(system) + "\\no-such-program.exe", "x", WindowStyle::Normal));
    EXPECT_FALSE(launcher.StartProgram(Narrow(system), "x", WindowStyle::Normal));  // a folder
}

int CALLBACK FirstFamily(const LOGFONTW* f, const TEXTMETRICW*, DWORD, LPARAM p) {
    *reinterpret_cast<std::wstring*>(p) = f->lfFaceName;
    return 0;
}

TEST(SystemFonts, OnlyTheExactFamilyCountsInAnyCase) {
    // Any installed family will do: which ones a system has differs.
    std::wstring family;
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &lf, FirstFamily, reinterpret_cast<LPARAM>(&family), 0);
    ReleaseDC(nullptr, dc);
    ASSERT_GT(family.size(), 2u);
    std::wstring upper = family;
    CharUpperW(upper.data());
    SystemFonts fonts;
    EXPECT_TRUE(fonts.Installed(Narrow(family)));
    EXPECT_TRUE(fonts.Installed(Narrow(upper)));
    EXPECT_FALSE(fonts.Installed(Narrow(family) + " Nowhere"));
    EXPECT_FALSE(fonts.Installed(""));
    EXPECT_FALSE(fonts.Installed(std::string(40, 'x')));
}

// What only the Windows date watch does: the system's broadcasts of a time change and of a
// resume from suspend wake it at once; other power events do not.
TEST(Win32DateWatch, TimeChangesAndResumesWakeItOtherPowerEventsDoNot) {
    Win32DateWatch watch([](WallTime now) { return now + std::chrono::hours(1); });
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
