// The manifest every program of the platform carries: Windows reads it before the program
// runs (a malformed one stops the program from starting at all), and its DPI awareness keeps
// Windows from enlarging the windows as bitmaps on screens above 96 DPI.
#include <gtest/gtest.h>
#include <windows.h>

#include <string_view>

namespace tarnvel::platform::win32 {
namespace {

std::string_view Manifest() {
    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(self, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
    if (!res) return {};
    HGLOBAL data = LoadResource(self, res);
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    return bytes ? std::string_view(bytes, SizeofResource(self, res)) : std::string_view();
}

TEST(Manifest, DeclaresPerMonitorDpiAwarenessAndIsOneWindowsAccepts) {
    const std::string_view m = Manifest();
    ASSERT_FALSE(m.empty()) << "no manifest in the program";
    // Windows 10 reads the second element, Windows 7 and 8 the first.
    EXPECT_NE(m.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string_view::npos) << m;
    EXPECT_NE(m.find(">true/pm</dpiAware>"), std::string_view::npos) << m;

    // The loader's own reading of it: an activation context made from the resource.
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    ACTCTXW ctx{};
    ctx.cbSize = sizeof ctx;
    ctx.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    ctx.lpSource = path;
    ctx.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE h = CreateActCtxW(&ctx);
    EXPECT_NE(h, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    if (h != INVALID_HANDLE_VALUE) ReleaseActCtx(h);
}

}  // namespace
}  // namespace tarnvel::platform::win32
