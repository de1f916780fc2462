// The client object screen readers get from a window: its lightweight controls as children
// by name, role, place and state, their default actions, and an object that outlives its
// window failing without touching it.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/win32/tests/accessible_client.h"
#include "platform/window.h"

namespace tarnvel::platform {
namespace {

using test::Id;
using test::Take;

class AccessibleTest : public ::testing::Test {
protected:
    void SetUp() override {
        const TwipsPerPixel f = w.Factors();
        w.SetSize(300 * f.x, 100 * f.y);
        w.SetLeft(40 * f.x);
        w.SetTop(30 * f.y);
        w.SetCaption("Window");
        date.SetCaption("1 Poh");
        date.Move(0, 0, 100 * f.x, 20 * f.y);
        date.SetAccessible(AccessibleRole::Text);
        link.SetCaption("More");
        link.Move(10 * f.x, 30 * f.y, 100 * f.x, 20 * f.y);  // 10..110 x 30..50
        link.SetAccessible(AccessibleRole::Link, "More Information");
        link.on_activate = [this] { ++activated; };
        decoration.Move(0, 0, 300 * f.x, 100 * f.y);  // under everything, no role
        close.Move(90 * f.x, 40 * f.y, 30 * f.x, 30 * f.y);  // 90..120 x 40..70, over the link
        close.SetToolTip("Close");
        close.SetAccessible(AccessibleRole::Button);
        close.on_activate = [this] { ++closed; };
        w.Show();
        Application::ProcessEvents(20);
        void* p = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(Hwnd(), OBJID_CLIENT, __uuidof(IAccessible), &p), S_OK);
        acc = static_cast<IAccessible*>(p);
    }
    void TearDown() override {
        if (acc) acc->Release();
    }
    HWND Hwnd() const { return reinterpret_cast<HWND>(w.Handle()); }
    std::vector<std::wstring> Names() {
        std::vector<std::wstring> out;
        long n = -1;
        EXPECT_EQ(acc->get_accChildCount(&n), S_OK);
        for (LONG i = 1; i <= n; ++i) {
            BSTR b = nullptr;
            EXPECT_EQ(acc->get_accName(Id(i), &b), S_OK) << i;
            out.push_back(Take(b));
        }
        return out;
    }
    // A child's role or state bits, -1 when the answer is not a number.
    template <class Get>
    LONG Number(Get get, LONG id) {
        VARIANT v;
        VariantInit(&v);
        EXPECT_EQ((acc->*get)(Id(id), &v), S_OK) << id;
        return v.vt == VT_I4 ? v.lVal : -1;
    }
    LONG Role(LONG id) { return Number(&IAccessible::get_accRole, id); }
    LONG State(LONG id) { return Number(&IAccessible::get_accState, id); }

    Window w;
    Label date{w};
    Label link{w};
    Picture decoration{w};
    Picture close{w};
    IAccessible* acc = nullptr;
    int activated = 0, closed = 0;
};

TEST_F(AccessibleTest, TheChildrenAreTheShownControlsWithARoleInStackingOrder) {
    // Names: the caption unless one is set, a picture's tooltip unless one is set.
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"1 Poh", L"More Information", L"Close"}));
    EXPECT_EQ((std::vector<LONG>{Role(CHILDID_SELF), Role(1), Role(2), Role(3)}),
              (std::vector<LONG>{ROLE_SYSTEM_CLIENT, ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_LINK, ROLE_SYSTEM_PUSHBUTTON}));
    BSTR self = nullptr;
    EXPECT_EQ(acc->get_accName(Id(CHILDID_SELF), &self), S_OK);
    EXPECT_EQ(Take(self), L"Window");

    // The caption read is the one shown now; a hidden control leaves the list, and comes back.
    date.SetCaption("2 Poh");
    link.SetVisible(false);
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"2 Poh", L"Close"}));
    link.SetVisible(true);
    // A picture given a role later joins the list; menus and their items have roles of their own.
    decoration.SetAccessible(AccessibleRole::Menu, "Back");
    date.SetAccessible(AccessibleRole::MenuItem);
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"2 Poh", L"More Information", L"Back", L"Close"}));
    EXPECT_EQ((std::vector<LONG>{Role(1), Role(3)}), (std::vector<LONG>{ROLE_SYSTEM_MENUITEM, ROLE_SYSTEM_BUTTONMENU}));
    decoration.BringToFront();
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"2 Poh", L"More Information", L"Close", L"Back"}));
}

TEST_F(AccessibleTest, ChildIdsOutsideTheListAreRefused) {
    BSTR b = nullptr;
    VARIANT v;
    VariantInit(&v);
    for (LONG id : {-1L, 4L, 100L}) {
        EXPECT_EQ(acc->get_accName(Id(id), &b), E_INVALIDARG) << id;
        EXPECT_EQ(acc->get_accRole(Id(id), &v), E_INVALIDARG) << id;
        EXPECT_EQ(acc->accDoDefaultAction(Id(id)), E_INVALIDARG) << id;
    }
    IDispatch* d = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(acc->get_accChild(Id(2), &d), S_FALSE);  // a simple element: no object of its own
    EXPECT_EQ(d, nullptr);
}

TEST_F(AccessibleTest, PlacesAreScreenPixelsAndHitTestingFindsTheTopmost) {
    POINT origin{0, 0};
    ClientToScreen(Hwnd(), &origin);
    long x, y, cx, cy;
    ASSERT_EQ(acc->accLocation(&x, &y, &cx, &cy, Id(2)), S_OK);
    EXPECT_EQ((std::vector<long>{x, y, cx, cy}), (std::vector<long>{origin.x + 10, origin.y + 30, 100, 20}));

    const struct {
        int x, y;
        LONG expected;
    } cases[] = {{20, 35, 2}, {100, 45, 3}, {115, 65, 3}, {5, 5, 1}, {200, 80, CHILDID_SELF}};
    for (const auto& k : cases) {
        VARIANT v;
        VariantInit(&v);
        ASSERT_EQ(acc->accHitTest(origin.x + k.x, origin.y + k.y, &v), S_OK) << k.x << "," << k.y;
        EXPECT_EQ(v.vt, VT_I4);
        EXPECT_EQ(v.lVal, k.expected) << k.x << "," << k.y;
    }
}

TEST_F(AccessibleTest, NavigationGoesThroughTheChildrenAndStopsAtTheEnds) {
    const struct {
        long dir;
        LONG from;
        LONG expected;  // 0: none
    } cases[] = {{NAVDIR_FIRSTCHILD, CHILDID_SELF, 1}, {NAVDIR_LASTCHILD, CHILDID_SELF, 3},
                 {NAVDIR_NEXT, 1, 2}, {NAVDIR_NEXT, 2, 3}, {NAVDIR_NEXT, 3, 0},
                 {NAVDIR_PREVIOUS, 3, 2}, {NAVDIR_PREVIOUS, 1, 0}};
    for (const auto& k : cases) {
        VARIANT v;
        VariantInit(&v);
        const HRESULT hr = acc->accNavigate(k.dir, Id(k.from), &v);
        if (k.expected == 0) {
            EXPECT_EQ(hr, S_FALSE) << k.dir << " from " << k.from;
            EXPECT_EQ(v.vt, VT_EMPTY);
        } else {
            EXPECT_EQ(hr, S_OK) << k.dir << " from " << k.from;
            EXPECT_EQ(v.vt, VT_I4);
            EXPECT_EQ(v.lVal, k.expected) << k.dir << " from " << k.from;
        }
    }
}

TEST_F(AccessibleTest, TheMarkedControlIsTheFocusedOne) {
    SetFocus(Hwnd());
    ASSERT_EQ(GetFocus(), Hwnd());
    EXPECT_EQ(State(1) & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED), 0);  // no action: not a stop
    EXPECT_EQ(State(2), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_LINKED);
    VARIANT v;
    VariantInit(&v);
    ASSERT_EQ(acc->get_accFocus(&v), S_OK);
    EXPECT_EQ(v.vt, VT_I4);
    EXPECT_EQ(v.lVal, CHILDID_SELF);

    close.SetFocusMark(true);
    EXPECT_EQ(State(3), STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED);
    ASSERT_EQ(acc->get_accFocus(&v), S_OK);
    EXPECT_EQ(v.lVal, 3);
}

TEST_F(AccessibleTest, TheDefaultActionIsTheKeyboardsDoneFromTheMessageLoop) {
    BSTR action = nullptr;
    ASSERT_EQ(acc->get_accDefaultAction(Id(2), &action), S_OK);
    EXPECT_EQ(Take(action), L"Jump");
    ASSERT_EQ(acc->get_accDefaultAction(Id(3), &action), S_OK);
    EXPECT_EQ(Take(action), L"Press");
    EXPECT_EQ(acc->get_accDefaultAction(Id(1), &action), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(acc->accDoDefaultAction(Id(1)), DISP_E_MEMBERNOTFOUND);

    ASSERT_EQ(acc->accDoDefaultAction(Id(2)), S_OK);
    EXPECT_EQ(activated, 0);  // not yet: the screen reader's call returns first
    Application::ProcessEvents(20);
    EXPECT_EQ(activated, 1);
    EXPECT_EQ(closed, 0);

    // A control that goes before its posted action arrives is left alone.
    auto gone = std::make_unique<Label>(w);
    gone->SetCaption("Gone");
    gone->SetAccessible(AccessibleRole::Button);
    gone->on_activate = [this] { ++closed; };
    ASSERT_EQ(acc->accDoDefaultAction(Id(4)), S_OK);
    gone.reset();
    Application::ProcessEvents(20);
    EXPECT_EQ(closed, 0);
}

TEST(AccessibleLifetime, AnObjectThatOutlivesItsWindowFailsEveryCall) {
    IAccessible* acc = nullptr;
    {
        Window w;
        w.SetSize(3000, 1500);
        Label l(w);
        l.SetAccessible(AccessibleRole::Text, "Text");
        w.Show();
        Application::ProcessEvents(20);
        void* p = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(reinterpret_cast<HWND>(w.Handle()), OBJID_CLIENT, __uuidof(IAccessible), &p),
                  S_OK);
        acc = static_cast<IAccessible*>(p);
        long n = 0;
        ASSERT_EQ(acc->get_accChildCount(&n), S_OK);
        EXPECT_EQ(n, 1);
    }
    long n = 7;
    BSTR b = nullptr;
    VARIANT v;
    VariantInit(&v);
    long x, y, cx, cy;
    EXPECT_EQ(acc->get_accChildCount(&n), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(acc->get_accName(Id(1), &b), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accLocation(&x, &y, &cx, &cy, Id(1)), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accHitTest(10, 10, &v), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->get_accFocus(&v), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->accDoDefaultAction(Id(1)), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(acc->Release(), 0u);  // the window's reference went with it
}

}  // namespace
}  // namespace tarnvel::platform
