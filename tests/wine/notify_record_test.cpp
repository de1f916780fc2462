// The desktop's 32-bit icon record as it lands in this build's NOTIFYICONDATAA.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "desktop/tray_icon_data.h"
#include "platform/win32/notify_record.h"

namespace tarnvel::platform::win32 {
namespace {

// The offsets Shell_NotifyIconA reads, fixed by the Windows ABI of each build.
struct Layout {
    std::size_t hWnd, uID, uFlags, uCallbackMessage, hIcon, szTip, size;
};
#ifdef _WIN64
constexpr Layout kAbi{8, 16, 20, 24, 32, 40, 104};
#else
constexpr Layout kAbi{4, 8, 12, 16, 20, 24, 88};
#endif

template <class T>
T at(const NOTIFYICONDATAA& n, std::size_t offset) {
    T v;
    std::memcpy(&v, reinterpret_cast<const char*>(&n) + offset, sizeof v);
    return v;
}

TEST(NotifyRecord, TheDesktopsRecordLandsAtTheNativeOffsetsWithItsHandlesSignExtended) {
    TrayIconRecord d;
    d.cbSize = 88;
    d.hWnd = 0x80012345;  // the high bit set: a handle's 32 bits are sign-extended
    d.uID = 7;
    d.uFlags = NIF_MESSAGE_ | NIF_ICON_ | NIF_TIP_;
    d.uCallbackMessage = TrayCallbackMessage;
    d.hIcon = 0x00BEEF01;
    d.SetTip("Tarnvel: 6 December");
    const NOTIFYICONDATAA n = NativeRecord(d.Bytes());

    EXPECT_EQ(at<DWORD>(n, 0), kAbi.size);  // the native size, not the desktop's 88
    const auto extended = static_cast<UINT_PTR>(static_cast<INT_PTR>(static_cast<std::int32_t>(0x80012345u)));
    EXPECT_EQ(at<UINT_PTR>(n, kAbi.hWnd), extended);
    EXPECT_EQ(at<UINT>(n, kAbi.uID), 7u);
    EXPECT_EQ(at<UINT>(n, kAbi.uFlags), 7u);
    EXPECT_EQ(at<UINT>(n, kAbi.uCallbackMessage), TrayCallbackMessage);
    EXPECT_EQ(at<UINT_PTR>(n, kAbi.hIcon), 0x00BEEF01u);
    EXPECT_STREQ(reinterpret_cast<const char*>(&n) + kAbi.szTip, "Tarnvel: 6 December");
}

TEST(NotifyRecord, TheTooltipEndsAtItsNulOrAfter63CharactersAndTheRestIsZero) {
    struct Case {
        const char* name;
        std::string field;  // the record's 64 bytes, padded with the given filler
        std::string tip;
    } const cases[] = {
        {"text, NUL, spaces as the desktop pads", std::string("Tarnvel") + '\0' + std::string(56, ' '), "Tarnvel"},
        {"no NUL in the field", std::string(64, 'x'), std::string(63, 'x')},
        {"63 characters and the NUL", std::string(63, 'y') + '\0', std::string(63, 'y')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NotifyIconRecord r{};
        std::memcpy(r.data() + 24, c.field.data(), 64);
        const NOTIFYICONDATAA n = NativeRecord(r);
        EXPECT_EQ(std::string(n.szTip), c.tip);
        for (std::size_t i = c.tip.size(); i < sizeof n.szTip; ++i) ASSERT_EQ(n.szTip[i], 0) << "at " << i;
    }
}

TEST(NotifyRecord, AModifyFoldsOnlyTheFieldsItsFlagsName) {
    TrayIconRecord added;
    added.uFlags = NIF_MESSAGE_ | NIF_ICON_;
    added.uCallbackMessage = 2025;
    added.hIcon = 0x11;
    NOTIFYICONDATAA kept = NativeRecord(added.Bytes());

    TrayIconRecord tip;
    tip.uFlags = NIF_TIP_;
    tip.uCallbackMessage = 99;  // stale fields the flags do not name
    tip.hIcon = 0x22;
    tip.SetTip("New Year in 98 Days");
    FoldChange(kept, NativeRecord(tip.Bytes()));

    EXPECT_EQ(kept.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(kept.uCallbackMessage, 2025u);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(kept.hIcon), 0x11u);
    EXPECT_STREQ(kept.szTip, "New Year in 98 Days");

    TrayIconRecord icon;
    icon.uFlags = NIF_ICON_;
    icon.hIcon = 0x33;
    FoldChange(kept, NativeRecord(icon.Bytes()));
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(kept.hIcon), 0x33u);
    EXPECT_STREQ(kept.szTip, "New Year in 98 Days");
}

}  // namespace
}  // namespace tarnvel::platform::win32
