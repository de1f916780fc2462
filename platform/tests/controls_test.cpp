// The Qt implementation of windows and controls, on the offscreen platform.
#include <gtest/gtest.h>

#ifndef _WIN32
// Qt's own widgets, for the tests of the Qt implementation's internals below.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#endif
#include <string>

#include "platform/application.h"
#include "platform/label.h"
#include "platform/menu.h"
#include "platform/picture.h"
#include "platform/picture_scale.h"
#ifndef _WIN32
#include "platform/qt/convert.h"
#include "platform/qt/window_impl.h"
#endif
#include "platform/rich_text_box.h"
#include "platform/system_world.h"
#include "platform/timer.h"
#include "platform/window.h"
#include "platform/window_stacking.h"
#include "platform/fake/test_application.h"

namespace tarnvel::platform {
namespace {

TEST(Window, ResizeIsRaisedByTheFirstShowAndBySizeChangesOnly) {
    Window w;
    int resizes = 0;
    w.on_resize = [&] { ++resizes; };
    w.SetSize(7500, 1845);
    EXPECT_EQ(resizes, 0);  // not shown yet
    w.Show();
    EXPECT_EQ(resizes, 1);
    w.Hide();
    w.Show();
    EXPECT_EQ(resizes, 1);
    w.SetSize(7500, 1845);
    EXPECT_EQ(resizes, 1);
    w.SetSize(6000, 1845);
    EXPECT_EQ(resizes, 2);
    EXPECT_TRUE(w.Visible());
}

// The arithmetic is the shared half's (shared_controls_test.cpp); this is the toolkit's measure.
TEST(Label, SizesToTheToolkitsMeasureOfItsText) {
    Window w;
    w.SetFont(Font{"Times New Roman", 9.75, true, false, false});  // not the default font
    Label l(w);
    l.Move(6450, 480, 870, 240);
    l.SetAutoSize(true, Anchor::Right);
    l.SetCaption("Happy New Year, \"Nanakshahi 559\"");
    const double long_width = l.Width();
    EXPECT_GT(long_width, 870);
    EXPECT_GT(l.Height(), 0);
    l.SetFontSize(16);
    EXPECT_EQ(l.GetFont(), (Font{"Times New Roman", 16, true, false, false}));  // the window's, one part changed
    EXPECT_GT(l.Width(), long_width);
}

TEST(Picture, EveryPictureIsCompiledInAlsoAtTwiceItsSize) {
    Window w;
    Picture p(w);
    for (const char* name : {"top_bar", "close", "arrow_right", "arrow_down", "icon", "reader_strip",
                             "reader_strip_narrow", "reader_background", "logo", "maximise", "restore"}) {
        ASSERT_TRUE(p.SetPicture(name)) << name;
        const PixelSize one = p.PictureSize();
        ASSERT_TRUE(p.SetPicture(DrawingName(name, 2))) << name;
        EXPECT_EQ(p.PictureSize(), (PixelSize{2 * one.width, 2 * one.height})) << name;
    }
    EXPECT_FALSE(p.SetPicture("no_such_picture"));
    EXPECT_EQ(p.PictureSize(), (PixelSize{0, 0}));
}

TEST(Picture, ControlsOfADestroyedWindowAreInert) {
    // A window destroyed before its controls leaves them inert, not dangling.
    auto w = std::make_unique<Window>();
    Picture p(*w);
    Label l(*w);
    w.reset();
    l.SetCaption("x");
    p.SetVisible(false);
    EXPECT_EQ(l.Caption(), "x");
}

#ifndef _WIN32
// Qt only: counts and inspects Qt's widgets.
TEST(Window, MakesItsWidgetsWhenFirstShownWithWhatWasSetWhileHidden) {
    const auto widgets_before = QApplication::allWidgets().size();
    Window w;
    w.SetSize(3000, 1500);
    SetTopMost(w, true);
    Picture below(w), above(w);
    Label label(w);
    RichTextBox text(w), other(w);
    EXPECT_TRUE(below.SetPicture("close"));
    below.Move(15, 30, 180, 180);
    below.BringToFront();  // created first, stacked last
    label.SetCaption("Chet");
    label.SetTransparent(false);
    text.SetPlainText("first\nsecond");
    other.SetVisible(false);
    text.SetFocus();
    // Hidden, nothing is made, yet every property reads back.
    EXPECT_EQ(QApplication::allWidgets().size(), widgets_before);
    EXPECT_EQ(below.PictureSize(), (PixelSize{12, 12}));
    EXPECT_EQ(text.ShownText(), "first\nsecond");
    EXPECT_TRUE(text.HasFocus());
    EXPECT_FALSE(other.HasFocus());
    EXPECT_TRUE(TopMost(w));
    EXPECT_FALSE(w.Visible());

    w.Show();
    EXPECT_TRUE(w.Visible());
    QWidget* form = w.impl().form.get();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Bottom to top: the second picture, the label, the two texts, then the raised picture.
    const QObjectList stack = w.impl().client->children();
    ASSERT_EQ(stack.size(), 5);
    const auto* shown_label = qobject_cast<QLabel*>(stack[1]);
    ASSERT_NE(shown_label, nullptr);
    EXPECT_EQ(shown_label->text(), QStringLiteral("Chet"));
    EXPECT_TRUE(shown_label->autoFillBackground());
    const auto* raised = static_cast<QWidget*>(stack[4]);
    EXPECT_EQ(raised->geometry(), QRect(1, 2, 12, 12));
    EXPECT_FALSE(static_cast<QWidget*>(stack[3])->isVisibleTo(form));  // `other`, hidden
    EXPECT_EQ(text.ShownText(), "first\nsecond");
    EXPECT_TRUE(text.HasFocus());

    // Controls made after the window's widgets get theirs at once.
    Label late(w);
    late.SetCaption("Vaisakh");
    ASSERT_EQ(w.impl().client->children().size(), 6);
    EXPECT_EQ(qobject_cast<QLabel*>(w.impl().client->children()[5])->text(), QStringLiteral("Vaisakh"));
}
#endif

#ifndef _WIN32
// Qt only: the core font names of the design reach the face fontconfig would give them,
// asked for by its own name; other names go to Qt as they are.
TEST(Fonts, CoreFontNamesReachTheFaceFontconfigWouldChoose) {
    for (const char* core : {"Arial", "Times New Roman", "times new roman", "Courier New"}) {
        const QString family = qt::InstalledFamily(core);
        EXPECT_TRUE(QFontDatabase::families().contains(family, Qt::CaseInsensitive)) << core;
        EXPECT_EQ(QFontInfo(QFont(family)).family(), QFontInfo(QFont(QString::fromLatin1(core))).family()) << core;
    }
    EXPECT_EQ(qt::InstalledFamily("GurbaniLipi"), QStringLiteral("GurbaniLipi"));
    EXPECT_EQ(qt::InstalledFamily("Noto Sans Gurmukhi"), QStringLiteral("Noto Sans Gurmukhi"));
}
#endif

TEST(Timer, TicksWhileEnabled) {
    Timer t;
    t.SetInterval(5);
    int ticks = 0;
    t.on_tick = [&] { ++ticks; };
    Application::ProcessEvents(30);
    EXPECT_EQ(ticks, 0);
    t.SetEnabled(true);
    EXPECT_TRUE(Application::WaitFor([&] { return ticks >= 3; }, 2000));
    t.SetEnabled(false);
    const int seen = ticks;
    Application::ProcessEvents(30);
    EXPECT_EQ(ticks, seen);
}

// Captions and counts are read back through the reader's menus.
TEST(Menu, ItemsRunTheirHandlersOtherIndexesNothing) {
    Menu m("Popup");
    std::vector<int> ran;
    m.AddItem("E&xit", [&] { ran.push_back(0); });
    m.AddItem("Other", [&] { ran.push_back(1); });
    for (int i : {1, 0, 2, -1}) m.Activate(i);
    EXPECT_EQ(ran, (std::vector<int>{1, 0}));
}

TEST(SystemWorld, AnswersOnTheOffscreenScreen) {
    World& world = TestApplication().world();
    EXPECT_GT(world.screen.Size().width, 0);
    EXPECT_GT(world.screen.Factors().x, 0);
#ifndef _WIN32
    // Windows (and Wine) has this program: there the check would start it.
    EXPECT_FALSE(world.launcher.StartProgram("C:\\Program Files\\Internet Explorer\\Iexplore.EXE", "x",
                                             WindowStyle::MaximizedFocus));
#endif
    EXPECT_FALSE(world.fonts.Installed("No Such Font Family"));
}

}  // namespace
}  // namespace tarnvel::platform
