#include "gurmukhi/gurmukhi.h"
#include "strip/tests/strip_fixture.h"

namespace tarnvel::strip {
namespace {

using platform::PixelPoint;

TEST_F(StripTest, HoverOverTheDateShowsGurmukhiUntilTheClosePicture) {
    Start({2026, 12, 5});
    const std::string english = "22 Maghar, Sammat 558 Nanakshahi";
    form->PointerMovedOver(HoverDate);
    EXPECT_EQ(form->MouseOnObj, HoverDate);
    EXPECT_EQ(c().Label2.Caption(), gurmukhi::legacy_to_unicode(ModuleNanakshahiDate.NanakshahiDate_Gurmukhi));
    EXPECT_EQ(c().Label2.GetFont(), (platform::Font{"Noto Sans Gurmukhi", 16, true, false, false}));
    EXPECT_EQ(c().Label2.ToolTip(), english);

    form->PointerMovedOver(HoverNone);  // onto the background: the Gurmukhi date stays
    EXPECT_EQ(c().Label2.GetFont().name, "Noto Sans Gurmukhi");
    form->PointerMovedOver(HoverClose);
    EXPECT_EQ(c().Label2.Caption(), english);
    EXPECT_EQ(c().Label2.GetFont(), (platform::Font{"Arial", 13, true, false, false}));
    EXPECT_EQ(c().Label2.ToolTip(), english);
}

TEST_F(StripTest, HoverOverLinksTurnsThemSaffronItalicUntilAnotherControl) {
    Start({2026, 12, 6});
    const struct {
        int code;
        platform::Colour web, more;
        bool web_italic, more_italic;
    } steps[] = {
        {HoverWeb, ColourSaffron, ColourDarkBlue, true, false},
        {HoverWeb, ColourSaffron, ColourDarkBlue, true, false},
        {HoverMore, ColourDarkBlue, ColourSaffron, false, true},
        {HoverDate, ColourDarkBlue, ColourDarkBlue, false, false},
        {HoverWeb, ColourSaffron, ColourDarkBlue, true, false},
        {HoverNone, ColourDarkBlue, ColourDarkBlue, false, false},
    };
    for (const auto& s : steps) {
        form->PointerMovedOver(s.code);
        EXPECT_EQ(form->MouseOnObj, s.code);
        EXPECT_EQ(c().Label3.ForeColor(), s.web) << s.code;
        EXPECT_EQ(c().Label4.ForeColor(), s.more) << s.code;
        EXPECT_EQ(c().Label3.GetFont().italic, s.web_italic) << s.code;
        EXPECT_EQ(c().Label4.GetFont().italic, s.more_italic) << s.code;
        EXPECT_FALSE(c().Label3.GetFont().bold);
    }
}

TEST_F(StripTest, MovingOverTheSameControlAgainAppliesNothing) {
    Start({2026, 12, 6});
    form->PointerMovedOver(HoverWeb);
    c().Label3.SetForeColor(0x00123456);
    form->PointerMovedOver(HoverWeb);
    EXPECT_EQ(c().Label3.ForeColor(), 0x00123456u);
}

TEST_F(StripTest, PointerLeaveTestCountsFirstColumnAndRowAsOutside) {
    // 1024 x 768 at 15 twips per pixel: the strip covers columns 262..761, rows 261..383.
    const struct {
        PixelPoint p;
        bool inside;
    } cases[] = {
        {{262, 300}, false}, {{263, 300}, true}, {{761, 300}, true}, {{762, 300}, false},
        {{400, 261}, false}, {{400, 262}, true}, {{400, 383}, true}, {{400, 384}, false},
        {{-5, -5}, false},
    };
    Start({2026, 12, 6});
    world.pointer.position = PixelPoint{0, 0};
    form->PointerMovedOver(HoverWeb);
    Tick();  // the first tick tests nothing
    EXPECT_EQ(form->MouseOnObj, HoverWeb);
    EXPECT_EQ(c().Label3.ForeColor(), ColourSaffron);
    for (const auto& k : cases) {
        form->PointerMovedOver(HoverWeb);
        world.pointer.position = k.p;
        Tick();
        EXPECT_EQ(form->FormLeftPx, 262);
        EXPECT_EQ(form->FormTopPx, 261);
        EXPECT_EQ(form->FormWidthPx, 500);
        EXPECT_EQ(form->FormHeightPx, 123);
        EXPECT_EQ(form->MouseOnObj, k.inside ? HoverWeb : HoverNone) << k.p.x << "," << k.p.y;
        EXPECT_EQ(c().Label3.ForeColor(), k.inside ? ColourSaffron : ColourDarkBlue) << k.p.x << "," << k.p.y;
    }
}

TEST_F(StripTest, TheIdleWatchDoesNotAskForThePointer) {
    Start({2026, 12, 6});
    Tick();
    const int before = world.pointer.reads;
    Tick(5);
    EXPECT_EQ(world.pointer.reads, before);  // no hover effect: nothing could change
    form->PointerMovedOver(HoverWeb);
    world.pointer.position = PixelPoint{1, 1};
    Tick();
    EXPECT_EQ(world.pointer.reads, before + 1);
    EXPECT_EQ(form->MouseOnObj, HoverNone);
    // The pixel rectangle is still worked out on every tick.
    w().SetLeft(150);
    Tick();
    EXPECT_EQ(form->FormLeftPx, 10);
}

TEST_F(StripTest, RollOverIntoNewYearGreetsAndDrawsTheNewYearWatermark) {
    Start({2027, 3, 13});
    Tick();
    EXPECT_EQ(c().Label6.Caption(), "New Year in 1 Day, \"Nanakshahi 559\"");
    w().SetLeft(100);
    w().SetTop(100);
    form->PointerMovedOver(HoverDate);
    calls.clear();

    world.clock.today = {2027, 3, 14};
    Tick();
    EXPECT_EQ(c().Label1.Caption(), "14 March 2027");
    EXPECT_EQ(c().Label2.Caption(), "1 Chet, Sammat 559 Nanakshahi");
    EXPECT_EQ(c().Label2.GetFont().name, "Arial");
    EXPECT_EQ(c().Label6.Caption(), "Happy New Year, \"Nanakshahi 559\"");
    EXPECT_TRUE(c().Label6.Visible());
    EXPECT_DOUBLE_EQ(w().Left(), 3930);
    EXPECT_DOUBLE_EQ(w().Top(), 3915);
    EXPECT_EQ(calls, (std::vector<std::string>{"SetTrayTip 1 Chet, Sammat 559 Nanakshahi"}));
    // The tooltip of Label2 keeps the previous day's date until the next hover.
    EXPECT_EQ(c().Label2.ToolTip(), "30 Phagan, Sammat 558 Nanakshahi");

    // The next tick draws the greeting over the background, once.
    Tick();
    EXPECT_EQ(w().PrintedLines().size(), 7u);
    EXPECT_EQ(w().ForeColor(), ColourNearWhite);
    EXPECT_EQ(w().GetFont(), (platform::Font{"Arial", 11, true, true, false}));
    Tick(3);
    EXPECT_EQ(w().PrintedLines().size(), 7u) << "drawn once";
}

TEST_F(StripTest, RollOverFollowsTheSystemsMonthNamesCaseInsensitively) {
    Start({2026, 12, 6});
    Tick();
    calls.clear();
    world.clock.month_names[11] = "DECEMBER";
    Tick();
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(c().Label1.Caption(), "06 December 2026");
    world.clock.month_names[11] = "Dezember";
    Tick();
    EXPECT_EQ(c().Label1.Caption(), "06 Dezember 2026");
    EXPECT_EQ(calls, (std::vector<std::string>{"SetTrayTip 23 Maghar, Sammat 558 Nanakshahi"}));
}

}  // namespace
}  // namespace tarnvel::strip
