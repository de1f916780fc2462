#include <gtest/gtest.h>

#include "desktop/tray_icon_data.h"

namespace tarnvel {
namespace {

std::string tip_field(const platform::NotifyIconRecord& r) { return std::string(r.begin() + 24, r.end()); }

TEST(TrayRecord, TipIsCutSoItsNulAlwaysFits) {
    struct Case {
        std::string text;
        std::string field_text;
    } const cases[] = {
        {"22 Maghar, Sammat 558 Nanakshahi", "22 Maghar, Sammat 558 Nanakshahi"},
        {std::string(63, 'x'), std::string(63, 'x')},
        {std::string(64, 'y'), std::string(63, 'y')},
        {std::string(500, 'z'), std::string(63, 'z')},
        {"", ""},
        {"ਚੇਤ 1", "??? 1"},
    };
    for (const Case& c : cases) {
        TrayIconRecord t;
        t.SetTip(c.text);
        const std::string field = tip_field(t.Bytes());
        ASSERT_EQ(field.size(), 64u);
        EXPECT_EQ(field.substr(0, c.field_text.size()), c.field_text);
        EXPECT_EQ(field[c.field_text.size()], '\0');
        EXPECT_EQ(field.find_first_not_of(' ', c.field_text.size() + 1), std::string::npos);
    }
}

}  // namespace
}  // namespace tarnvel
