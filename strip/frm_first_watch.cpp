// The hover effects and the pointer watch TmrCheckMouse: pointer-leave test,
// the two watermarks and the day roll-over.
#include "calendar/event_finder.h"
#include "calendar/nanakshahi_date.h"
#include "calendar/new_year.h"
#include "strip/frm_first.h"
#include "strip/gurmukhi_face.h"
#include "strip/text.h"

namespace tarnvel::strip {

void frmFirst::MouseOn(int code) {
    if (!Loaded()) return;
    Controls& c = *controls_;
    switch (code) {
        case HoverDate: {
            const GurmukhiFace face = ChooseGurmukhiFace(world_.fonts, ModuleNanakshahiDate.NanakshahiDate_Gurmukhi);
            c.Label2.SetCaption("");
            c.Label2.SetForeColor(ColourDarkBlue);
            c.Label2.SetFontSize(16);
            c.Label2.SetFontName(face.font_name);
            c.Label2.SetCaption(face.text);
            c.Label2.SetToolTip(ModuleNanakshahiDate.NanakshahiDate_English);
            break;
        }
        case HoverWeb:
        case HoverMore: {
            platform::Label& link = code == HoverWeb ? c.Label3 : c.Label4;
            link.SetForeColor(ColourSaffron);
            link.SetFontBold(false);
            link.SetFontItalic(true);
            break;
        }
        case HoverClose:
            c.Label2.SetCaption("");
            c.Label2.SetForeColor(ColourDarkBlue);
            c.Label2.SetFontName("Arial");
            c.Label2.SetFontSize(13);
            c.Label2.SetCaption(ModuleNanakshahiDate.NanakshahiDate_English);
            break;
        default:
            break;
    }
}

void frmFirst::MouseOff(int code) {
    if (!Loaded() || (code != HoverWeb && code != HoverMore)) return;
    platform::Label& link = code == HoverWeb ? controls_->Label3 : controls_->Label4;
    link.SetForeColor(ColourDarkBlue);
    link.SetFontBold(false);
    link.SetFontItalic(false);
}

void frmFirst::PointerMovedOver(int code) {
    if (MouseOnObj == code) return;
    MouseOff(MouseOnObj);
    MouseOnObj = code;
    MouseOn(code);
}

void frmFirst::TmrCheckMouse_Timer() {
    if (!Loaded()) return;
    platform::Window& w = *window_;

    // While the strip is hidden (minimised, or where the desktop gives no midnight wake-up)
    // only the roll-over runs, so the icon's tooltip carries today's date; hover and
    // watermarks wait until the strip is shown again.
    if (w.Visible()) {
        // Stage 1: undo the hover effect once the pointer is outside. The first column
        // and row count as outside. Without a pointer position nothing is decided. With no
        // hover effect applied there is nothing to undo, so the pointer is not asked then
        // (the idle watch then costs no round trip to the display).
        if (!WatchStarted) {
            WatchStarted = true;
        } else {
            const platform::TwipsPerPixel f = world_.screen.Factors();
            FormLeftPx = platform::TwipsToPixels(w.Left(), f.x);
            FormTopPx = platform::TwipsToPixels(w.Top(), f.y);
            FormWidthPx = platform::TwipsToPixels(w.Width(), f.x);
            FormHeightPx = platform::TwipsToPixels(w.Height(), f.y);
            if (const auto p = MouseOnObj == HoverNone ? std::nullopt : world_.pointer.Position()) {
                const bool inside = FormLeftPx < p->x && p->x < FormLeftPx + FormWidthPx && FormTopPx < p->y &&
                                    p->y < FormTopPx + FormHeightPx;
                if (!inside) {
                    MouseOff(MouseOnObj);
                    MouseOnObj = HoverNone;
                }
            }
        }

        auto watermark_font = [&w] {
            platform::Font font = w.GetFont();
            font.size = 11;
            font.bold = true;
            font.italic = true;
            w.SetFont(font);
            w.SetForeColor(ColourNearWhite);
        };

        // Stage 2: the New Year watermark, once per load.
        if (ModuleNanakshahiDate.NanakshahiMonth == 1 && ModuleNanakshahiDate.NanakshahiDay == 1 && !NewYearPrinted) {
            watermark_font();
            const std::string c = controls_->Label6.Caption();
            for (int i = 0; i < 7; ++i) w.Print(c + " " + c + c);
            NewYearPrinted = true;
        }

        // Stage 3: the observance-day watermark, once per load.
        if (ModuleEventFinder.DaysToEvent == 0 && !EventDayPrinted) {
            watermark_font();
            const std::string c = controls_->Label6.Caption();
            w.Print("");
            for (int i = 0; i < 6; ++i) w.Print(c + " " + c + " " + c + " " + c);
            EventDayPrinted = true;
        }
    }

    // Stage 4: the day roll-over.
    CheckDay();
}

void frmFirst::CheckDay() {
    if (seams_.DayChange)
        seams_.DayChange();
    else if (DayChanged())
        DayRollover();
}

bool frmFirst::DayChanged() const { return Loaded() && !SameText(controls_->Label1.Caption(), TodayLong()); }

void frmFirst::DayRollover() {
    if (!Loaded()) return;
    window_->Cls();
    controls_->Label1.SetCaption(TodayLong());
    Initial_Move("Initial");
    // The greeting is recomputed before the search, so the line never carries the
    // previous day's countdown. EventFound is kept: a passed observance's countdown
    // is taken off by the search.
    Check_NewYear_Nanakshahi(ModuleNanakshahiDate, *label6_sink_);
    Find_UpcomingEvent(ModuleNanakshahiDate.GregorianDay, ModuleNanakshahiDate.GregorianMonth, *label6_sink_);
    if (seams_.SetTrayTip) seams_.SetTrayTip(ModuleNanakshahiDate.NanakshahiDate_English);
}

}  // namespace tarnvel::strip
