// The strip as a Windows screen reader meets it: the dates, "More Information" and the web
// link, and the close picture, each by name and role; and "More Information"'s default
// action opening the reader, as Enter on it does.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <map>
#include <string>

#include "platform/application.h"
#include "platform/win32/convert.h"
#include "platform/win32/tests/accessible_client.h"
#include "strip/reader_link.h"
#include "strip/tests/strip_fixture.h"

namespace tarnvel::strip {
namespace {

class ShownReader final : public ReaderLink {
public:
    bool visible = false;
    bool LoadedVisible() override { return visible; }
    void ShowReader() override { visible = true; }
    double ReaderHeight() const override { return 3150; }
    void MoveReader(double, double) override {}
    void ReaderUserMousePosition(std::string_view) override {}
    void SetReaderDragTimer(bool) override {}
};

using platform::test::Id;
using platform::test::Take;

class StripAccessibleTest : public StripTest {
protected:
    void SetUp() override {
        world.screen.size = {1280, 1024};
        world.clock.today = {2026, 12, 6};
        StripSeams s = RecordingSeams();
        s.DropWindow = [this] { return &reader; };
        form = std::make_unique<frmFirst>(world.world(), s);
        Main(*form);
        platform::Application::ProcessEvents(20);
        void* p = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(reinterpret_cast<HWND>(w().Handle()), OBJID_CLIENT,
                                             __uuidof(IAccessible), &p),
                  S_OK);
        acc = static_cast<IAccessible*>(p);
    }
    void TearDown() override {
        if (acc) acc->Release();
        form.reset();
    }
    // Each child's role by its name.
    std::map<std::string, LONG> Roles() {
        std::map<std::string, LONG> out;
        long n = 0;
        EXPECT_EQ(acc->get_accChildCount(&n), S_OK);
        for (LONG i = 1; i <= n; ++i) {
            BSTR b = nullptr;
            VARIANT role;
            VariantInit(&role);
            EXPECT_EQ(acc->get_accName(Id(i), &b), S_OK);
            EXPECT_EQ(acc->get_accRole(Id(i), &role), S_OK);
            out[platform::win32::Narrow(Take(b))] = role.lVal;
        }
        return out;
    }
    LONG IdOf(const std::string& name) {
        long n = 0;
        acc->get_accChildCount(&n);
        for (LONG i = 1; i <= n; ++i) {
            BSTR b = nullptr;
            if (acc->get_accName(Id(i), &b) != S_OK) continue;
            if (platform::win32::Narrow(Take(b)) == name) return i;
        }
        return 0;
    }

    ShownReader reader;
    IAccessible* acc = nullptr;
};

TEST_F(StripAccessibleTest, TheStripsControlsAreReadByNameAndRole) {
    const std::map<std::string, LONG> roles = Roles();
    const struct {
        std::string name;
        LONG role;
    } cases[] = {{"06 December 2026", ROLE_SYSTEM_STATICTEXT},
                 {"23 Maghar, Sammat 558 Nanakshahi", ROLE_SYSTEM_STATICTEXT},
                 {"More Information", ROLE_SYSTEM_LINK},
                 {std::string(WebAddress), ROLE_SYSTEM_LINK},
                 {"Close", ROLE_SYSTEM_PUSHBUTTON}};
    for (const auto& k : cases) {
        const auto it = roles.find(k.name);
        ASSERT_NE(it, roles.end()) << k.name;
        EXPECT_EQ(it->second, k.role) << k.name;
    }
    // The pictures that only decorate (the top bar, the arrows' backgrounds) are not read.
    for (const auto& [name, role] : roles) EXPECT_FALSE(name.empty()) << "role " << role;
}

TEST_F(StripAccessibleTest, MoreInformationsDefaultActionOpensTheReader) {
    const LONG more = IdOf("More Information");
    ASSERT_NE(more, 0);
    ASSERT_EQ(acc->accDoDefaultAction(Id(more)), S_OK);
    platform::Application::ProcessEvents(20);
    EXPECT_TRUE(reader.visible);
}

TEST_F(StripAccessibleTest, TabMovesTheFocusThroughTheStopsAScreenReaderSees) {
    SetFocus(reinterpret_cast<HWND>(w().Handle()));
    ASSERT_EQ(GetFocus(), reinterpret_cast<HWND>(w().Handle()));
    const LONG expected[] = {IdOf("More Information"), IdOf(std::string(WebAddress)), IdOf("Close")};
    for (LONG id : expected) {
        ASSERT_TRUE(form->Form_KeyDown(platform::Key::Tab));
        VARIANT v;
        VariantInit(&v);
        ASSERT_EQ(acc->get_accFocus(&v), S_OK);
        EXPECT_EQ(v.vt, VT_I4);
        EXPECT_EQ(v.lVal, id);
    }
}

}  // namespace
}  // namespace tarnvel::strip
