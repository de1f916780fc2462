// Input on Win32. Pointer events of the windowless controls: hit testing from the topmost
// down, the pressed control keeping the release, and all of it still working behind a
// procedure installed in front of the window's own, as the desktop integration does. Keys:
// from the window and from the text's child window they reach on_key, their characters do
// nothing in the text.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/rich_text_box.h"
#include "platform/window.h"

namespace tarnvel::platform {
namespace {

class Input : public ::testing::Test {
protected:
    Window w;
    Label label{w};
    Picture picture{w};
    std::vector<std::string> got;

    void SetUp() override {
        const TwipsPerPixel f = w.Factors();
        w.SetSize(200 * f.x, 100 * f.y);
        label.Move(10 * f.x, 10 * f.y, 50 * f.x, 20 * f.y);    // 10..60 x 10..30
        picture.Move(40 * f.x, 20 * f.y, 50 * f.x, 20 * f.y);  // 40..90 x 20..40, over the label
        Record(w.mouse, "window");
        Record(label.mouse, "label");
        Record(picture.mouse, "picture");
    }
    void Record(MouseHandlers& m, const std::string& who) {
        m.down = [this, who](MouseButton b) { got.push_back(who + (b == MouseButton::Left ? " down" : " right down")); };
        m.up = [this, who](MouseButton) { got.push_back(who + " up"); };
        m.move = [this, who] { got.push_back(who + " move"); };
    }
    void Send(UINT msg, int x, int y) {
        SendMessageW(reinterpret_cast<HWND>(w.Handle()), msg, 0, MAKELPARAM(x, y));
    }
    void Click(int x, int y) {
        Send(WM_LBUTTONDOWN, x, y);
        Send(WM_LBUTTONUP, x, y);
    }
};

TEST_F(Input, TheTopmostVisibleControlUnderThePointerGetsTheEvent) {
    const struct {
        int x, y;
        const char* who;
    } cases[] = {{15, 15, "label"}, {50, 25, "picture"}, {85, 35, "picture"}, {150, 80, "window"}, {5, 5, "window"}};
    for (const auto& k : cases) {
        got.clear();
        Send(WM_MOUSEMOVE, k.x, k.y);
        EXPECT_EQ(got, (std::vector<std::string>{std::string(k.who) + " move"})) << k.x << "," << k.y;
    }
    // At one point: the control made last is on top until another is brought to the front;
    // hidden ones are passed over; an unset handler ignores the event, it does not pass it on.
    Label above(w);
    const TwipsPerPixel f = w.Factors();
    above.Move(45 * f.x, 22 * f.y, 10 * f.x, 5 * f.y);
    Record(above.mouse, "above");
    got.clear();
    Send(WM_MOUSEMOVE, 50, 25);
    picture.BringToFront();
    Send(WM_MOUSEMOVE, 50, 25);
    picture.SetVisible(false);
    Send(WM_MOUSEMOVE, 50, 25);
    above.SetVisible(false);
    Send(WM_MOUSEMOVE, 50, 25);
    label.mouse.move = nullptr;
    Send(WM_MOUSEMOVE, 50, 25);
    EXPECT_EQ(got, (std::vector<std::string>{"above move", "picture move", "above move", "label move"}));
}

TEST_F(Input, ThePressedControlGetsTheReleaseWhereverItHappens) {
    Send(WM_LBUTTONDOWN, 15, 15);
    Send(WM_MOUSEMOVE, 150, 80);
    Send(WM_LBUTTONUP, 150, 80);
    Send(WM_RBUTTONDOWN, 150, 80);
    EXPECT_EQ(got, (std::vector<std::string>{"label down", "label move", "label up", "window right down"}));
}

TEST_F(Input, AHandlerMayDestroyItsOwnControl) {
    auto doomed = std::make_unique<Label>(w);
    doomed->Move(0, 0, 200 * w.Factors().x, 100 * w.Factors().y);
    doomed->mouse.down = [&](MouseButton) { doomed.reset(); };
    Click(15, 15);
    EXPECT_FALSE(doomed);
    Click(15, 15);
    EXPECT_EQ(got, (std::vector<std::string>{"label up", "label down", "label up"}));
}

// The desktop integration's way: an ANSI procedure in front, unknown messages passed on.
WNDPROC g_previous = nullptr;
int g_seen = 0;
LRESULT CALLBACK InFront(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN) ++g_seen;
    return CallWindowProcA(g_previous, h, msg, wp, lp);
}

TEST_F(Input, EventsStillArriveBehindAProcedureInstalledInFront) {
    HWND h = reinterpret_cast<HWND>(w.Handle());
    g_seen = 0;
    g_previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InFront)));
    ASSERT_NE(g_previous, nullptr);
    Click(50, 25);
    Send(WM_MOUSEMOVE, 150, 80);
    EXPECT_EQ(g_seen, 1);
    EXPECT_EQ(got, (std::vector<std::string>{"picture down", "picture up", "window move"}));
    int closes = 0;
    w.on_close = [&] { ++closes; };
    SendMessageA(h, WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(h)) << "the desktop's close destroyed the window";
}

TEST_F(Input, TheWindowsKeysReachOnKeyFromTheWindowAndTheText) {
    RichTextBox text(w);
    text.Move(0, 0, 2000, 1000);
    text.SetPlainText("one two");
    std::vector<Key> keys;
    w.on_key = [&](Key k) {
        keys.push_back(k);
        return true;
    };
    w.Show();
    Application::ProcessEvents(20);
    HWND edit = FindWindowExW(reinterpret_cast<HWND>(w.Handle()), nullptr, nullptr, nullptr);  // the text
    ASSERT_NE(edit, nullptr);
    const struct {
        WPARAM vk;
        Key expected;
    } cases[] = {{VK_TAB, Key::Tab}, {VK_RETURN, Key::Enter}, {VK_SPACE, Key::Space}, {VK_ESCAPE, Key::Escape}};
    for (HWND target : {reinterpret_cast<HWND>(w.Handle()), edit}) {
        for (const auto& k : cases) {
            keys.clear();
            SendMessageW(target, WM_KEYDOWN, k.vk, 1);
            EXPECT_EQ(keys, std::vector<Key>{k.expected}) << k.vk;
        }
    }
    keys.clear();
    SendMessageW(edit, WM_KEYDOWN, 'A', 1);
    SendMessageW(edit, WM_CHAR, L' ', 1);  // typed into a read-only text: nothing
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(text.ShownText(), "one two");
}

}  // namespace
}  // namespace tarnvel::platform
