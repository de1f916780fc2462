// The state a label and a picture keep on every platform, on the null backend: no toolkit.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/fake/null_natives.h"
#include "platform/menu_impl.h"

namespace tarnvel::platform {
namespace {

using fake::NullLabel;
using fake::NullPicture;

// A control's shared state `d` with a null native part it keeps a view of.
template <class Impl, class Native>
struct WithNull {
    template <class... Args>
    explicit WithNull(Args&&... args) : d(std::forward<Args>(args)...) {
        auto n = std::make_unique<Native>();
        native = n.get();
        d.native = std::move(n);
    }
    Impl d;
    Native* native;
};

// A label at 15 twips a pixel in a 10-point font: the null rule makes each character
// 10 px (150 twips) wide and a line 20 px (300 twips) high.
struct TestLabel : WithNull<Label::Impl, NullLabel> {
    TestLabel() : WithNull(TwipsPerPixel{15, 15}, Font{"Arial", 10}) {}
};
using TestPicture = WithNull<Picture::Impl, NullPicture>;

TEST(NullBackend, MeasuresByItsRule) {
    const struct {
        Font font;
        std::string text;
        PixelSize size;
    } cases[] = {
        {{"Arial", 10}, "Chet", {40, 20}},
        {{"Arial", 10}, "", {0, 20}},  // an empty caption is one line high
        {{"Arial", 9.75}, "ab", {18, 18}},
        {{"Arial", 8, true}, "abc", {27, 16}},
        {{"Arial", 10}, "ਚੇਤ", {30, 20}},  // code points, not bytes
    };
    for (const auto& c : cases) EXPECT_EQ(fake::MeasureByRule(c.font, c.text), c.size) << c.text;
}

TEST(SharedLabel, AutoSizeKeepsTheAnchoredEdgeThroughCaptionAndFontChanges) {
    const struct {
        Anchor anchor;
        double kept;
        double (*edge)(const TwipsBox&);
    } cases[] = {
        {Anchor::Left, 6450, [](const TwipsBox& b) { return b.left; }},
        {Anchor::Right, 7320, [](const TwipsBox& b) { return b.left + b.width; }},
        {Anchor::Centre, 6885, [](const TwipsBox& b) { return b.left + b.width / 2; }},
    };
    for (const auto& c : cases) {
        TestLabel l;
        l.d.Move({6450, 480, 870, 240});
        l.d.SetAutoSize(true, c.anchor);
        l.d.SetCaption("Happy New Year");
        EXPECT_DOUBLE_EQ(l.d.Box().width, 14 * 150);
        EXPECT_DOUBLE_EQ(l.d.Box().height, 300);
        EXPECT_DOUBLE_EQ(c.edge(l.d.Box()), c.kept);
        l.d.Set(l.d.font, Font{"Arial", 16}, Change::Typeface);
        EXPECT_DOUBLE_EQ(l.d.Box().width, 14 * 16 * 15);
        EXPECT_DOUBLE_EQ(c.edge(l.d.Box()), c.kept);
        l.d.SetCaption("");
        EXPECT_DOUBLE_EQ(l.d.Box().width, 0);
        EXPECT_DOUBLE_EQ(c.edge(l.d.Box()), c.kept);
        EXPECT_DOUBLE_EQ(l.d.Box().top, 480);
    }
}

TEST(SharedLabel, KeepsItsDesignBoxWithoutAutoSize) {
    TestLabel l;
    l.d.Move({300, 1530, 1380, 225});
    l.d.SetCaption("a much longer caption than the box");
    EXPECT_EQ(l.d.Box(), (TwipsBox{300, 1530, 1380, 225}));
    // Turned on, off again: the box stays the size of the text it had then.
    l.d.SetAutoSize(true, Anchor::Right);
    l.d.SetAutoSize(false);
    l.d.SetCaption("Chet");
    EXPECT_EQ(l.d.Box(), (TwipsBox{1680 - 34 * 150, 1530, 34 * 150, 300}));
}

// Sized late or at once, a label ends the same: turning auto-size off or changing the kept edge
// starts from the size the text had, as if it had been read at each step.
TEST(SharedLabel, LateSizingEndsAsSizingAtEachStep) {
    TestLabel eager, late;
    late.native->live = false;  // no native part: nothing is measured until read
    for (TestLabel* l : {&eager, &late}) {
        l->d.Move({300, 1530, 1380, 225});
        l->d.SetAutoSize(true, Anchor::Left);
        l->d.Set(l->d.font, Font{"Arial", 14}, Change::Typeface);
        l->d.SetCaption("Nanak established the Dominion");
        l->d.SetAutoSize(true, Anchor::Right);
        l->d.SetCaption("Chet");
        l->d.SetAutoSize(false);
        l->d.SetCaption("a caption that no longer sizes the label");
    }
    EXPECT_EQ(late.d.Box(), eager.d.Box());
    EXPECT_DOUBLE_EQ(late.d.Box().width, 4 * 14 * 15);  // "Chet", not the later caption
    EXPECT_EQ(late.native->shows, 0);
}

TEST(SharedLabel, MeasuresOnlyTheTextItEndsWithUntilShown) {
    TestLabel l;
    l.native->live = false;
    l.d.SetAutoSize(true, Anchor::Left);
    for (const char* caption : {"Chet", "Vaisakh", "Jeth", "Harh"}) l.d.SetCaption(caption);
    l.d.Set(l.d.font, Font{"Arial", 12}, Change::Typeface);
    EXPECT_EQ(l.native->measured, 0);
    EXPECT_DOUBLE_EQ(l.d.Box().width, 4 * 12 * 15);
    EXPECT_DOUBLE_EQ(l.d.Box().width, 4 * 12 * 15);  // read again: not measured again
    EXPECT_EQ(l.native->measured, 1);
}

TEST(SharedLabel, ANativePartIsShownTheFittedBoxAndTheOneItReplaced) {
    TestLabel l;
    l.d.Move({150, 300, 1500, 225});
    EXPECT_EQ(l.native->shown, (PixelBox{10, 20, 100, 15}));
    l.d.SetAutoSize(true, Anchor::Right);
    l.d.SetCaption("Chet");
    EXPECT_EQ(l.native->shown, (PixelBox{70, 20, 40, 20}));
    l.d.SetCaption("Poh");
    EXPECT_EQ(l.native->redrawn_old, (PixelBox{70, 20, 40, 20}));
    EXPECT_EQ(l.native->shown, (PixelBox{80, 20, 30, 20}));
    const int shows = l.native->shows;
    l.d.SetCaption("Poh");  // no change, nothing to redraw
    EXPECT_EQ(l.native->shows, shows);
}

TEST(SharedPicture, KnowsItsPictureOnlyWhenTheBackendHasIt) {
    TestPicture p;
    EXPECT_TRUE(p.d.SetPicture("known"));
    EXPECT_EQ(p.d.size, (PixelSize{12, 9}));
    EXPECT_EQ(p.d.name, "known");
    EXPECT_FALSE(p.d.SetPicture("unknown"));
    EXPECT_EQ(p.d.size, (PixelSize{}));
    EXPECT_EQ(p.d.name, "");
    p.native->attached = false;  // the window is gone
    EXPECT_FALSE(p.d.SetPicture("known"));
    EXPECT_EQ(p.d.name, "");
}

TEST(SharedPicture, IsPlacedAtItsNaturalSizeUnlessStretched) {
    const PixelBox box{4, 5, 30, 20};
    const struct {
        PixelSize picture;
        bool stretch;
        PixelBox drawn;
    } cases[] = {
        {{12, 9}, false, {4, 5, 12, 9}},
        {{60, 40}, false, {4, 5, 60, 40}},  // overhangs; the box clips it
        {{12, 9}, true, box},
        {{60, 40}, true, box},
    };
    for (const auto& c : cases) EXPECT_EQ(Placement(box, c.picture, c.stretch), c.drawn) << c.picture.width;
}

// The order a backend builds its menu in: dividers where they were added, even at the ends.
TEST(SharedMenu, WalksItemsAndDividersInTheOrderAdded) {
    const struct {
        std::vector<std::string> items;
        std::vector<int> separators;
        std::string built;
    } cases[] = {
        {{"Open", "E&xit"}, {1}, "0Open|1E&xit"},
        {{"a", "b"}, {0, 2, 2}, "|0a1b||"},
        {{}, {0}, "|"},
        {{"a"}, {}, "0a"},
    };
    for (const auto& c : cases) {
        Menu::Impl m;
        m.captions = c.items;
        m.separators = c.separators;
        std::string built;
        m.Walk([&](int i, const std::string& caption) { built += std::to_string(i) + caption; }, [&] { built += "|"; });
        EXPECT_EQ(built, c.built);
    }
}

}  // namespace
}  // namespace tarnvel::platform
