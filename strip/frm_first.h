#pragma once
// The strip window: today's Gregorian and Nanakshahi dates, the greeting and
// countdown line, and the links. All geometry is in twips.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/focus_ring.h"
#include "platform/label.h"
#include "platform/menu.h"
#include "platform/picture.h"
#include "platform/timer.h"
#include "platform/window.h"
#include "platform/world.h"
#include "strip/label6_sink.h"
#include "strip/seams.h"

namespace tarnvel::strip {

// The organisation's web address: Label3's caption and what the web link opens.
inline constexpr std::string_view WebAddress = "www.orvanta.org";
inline constexpr std::string_view BrowserPath = "C:\\Program Files\\Internet Explorer\\Iexplore.EXE";

inline constexpr platform::Colour ColourWhite = 0x00FFFFFF;
inline constexpr platform::Colour ColourDarkBlue = 0x006D2B08;
inline constexpr platform::Colour ColourSaffron = 0x001191D4;
inline constexpr platform::Colour ColourNearWhite = 0x00F1F1F0;
inline constexpr platform::Colour ColourNavy = 0x00800000;
inline constexpr platform::Colour ColourBlue = 0x00C00000;

// Hover codes of MouseOnObj.
enum HoverCode : int { HoverNone = 0, HoverDate = 2, HoverWeb = 3, HoverMore = 4, HoverClose = 5 };

class frmFirst {
public:
    frmFirst(platform::World world, StripSeams seams);
    ~frmFirst();
    frmFirst(const frmFirst&) = delete;
    frmFirst& operator=(const frmFirst&) = delete;

    // Creates the window and its controls and runs the load step; does nothing when loaded.
    void Load();
    // Shows the window, loading it first if needed; a day that changed while it was hidden is
    // taken before the window appears.
    void Show();
    void Hide();
    // Destroys the window and its controls; the window-level values below stay.
    void Unload();
    bool Loaded() const { return controls_ != nullptr; }
    bool Visible() const;

    // Layout (frm_first_layout.cpp).
    void Form_Load();
    void Form_Resize();
    void Labels_Initialize();
    void Initial_Move(std::string_view which);
    void ImageClose_Position();
    void SetTrayMenuItems(int window_state);

    // Pointer watch and hover (frm_first_watch.cpp).
    void MouseOn(int code);
    void MouseOff(int code);
    void PointerMovedOver(int code);  // the move handlers of the background, Label2-4, ImageClose
    void TmrCheckMouse_Timer();
    // The day roll-over: whether the Gregorian date shown is no longer today's (the
    // system's month names count), and the roll-over itself, which shows today everywhere
    // and gives the icon today's tooltip.
    bool DayChanged() const;
    void DayRollover();

    // Gestures (frm_first_gestures.cpp). UserMousePosition returns false when it
    // needed the pointer and could not read it.
    bool UserMousePosition(std::string_view which);
    void Form_MouseDown(platform::MouseButton b);
    void Form_MouseUp(platform::MouseButton b);
    void ImageTopBar_MouseDown(platform::MouseButton b);
    void ImageTopBar_MouseUp(platform::MouseButton b);
    void TimerCalendarMainStripMove_Timer();
    void ImageClose_MouseUp(platform::MouseButton b);
    void Label3_MouseUp(platform::MouseButton b);
    void Label4_MouseUp(platform::MouseButton b);  // "More Information": opens the reader

    // Screen readers and the keyboard (frm_first_keyboard.cpp).
    void Accessible_Initialize();
    bool Form_KeyDown(platform::Key k);

    struct Controls {
        explicit Controls(platform::Window& w);
        platform::Picture ImageTopBar;
        platform::Picture ImageClose;  // above ImageTopBar
        platform::Label Label1, Label6, Label2, Label4, Label3;
        platform::Picture ImageArrow0, ImageArrow1;
        platform::Timer TmrCheckMouse;
        platform::Timer TimerCalendarMainStripMove;
        platform::Menu mnuTray;
        // "More Information", the web link, the close picture.
        platform::FocusRing Keyboard;
    };
    platform::Window& window() { return *window_; }
    Controls& controls() { return *controls_; }

    // Window-level values: they survive Unload.
    int MouseOnObj = 0;
    std::int32_t FormLeftPx = 0, FormTopPx = 0, FormWidthPx = 0, FormHeightPx = 0;
    bool WatchStarted = false;
    bool NewYearPrinted = false;
    bool EventDayPrinted = false;
    std::int32_t DragPointerX = 0, DragPointerY = 0;
    float DragLastX = 0, DragLastY = 0;

private:
    void CreateControls();
    void CheckDay();
    void Layout();
    std::string TodayLong() const;
    platform::Date Today() const;

    platform::World world_;
    StripSeams seams_;
    std::unique_ptr<platform::Window> window_;
    std::unique_ptr<Controls> controls_;  // declared after window_: destroyed first
    std::unique_ptr<Label6Adapter> label6_sink_;
};

}  // namespace tarnvel::strip
