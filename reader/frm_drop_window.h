#pragma once
// The reader window: a panel under the strip that shows one section of One.rtf or Two.rtf
// at a time, with a picture strip as its title bar, five menu-bar labels, and widen and
// maximise toggles. All geometry is in twips.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/focus_ring.h"
#include "platform/label.h"
#include "platform/menu.h"
#include "platform/picture.h"
#include "platform/rich_text_box.h"
#include "platform/timer.h"
#include "platform/window.h"
#include "platform/world.h"
#include "reader/strip_link.h"
#include "strip/reader_link.h"

namespace tarnvel::reader {

inline constexpr platform::Colour ReaderTextBack = 0x00EEE4DD;
inline constexpr platform::Colour ColourWhite = 0x00FFFFFF;
// Height the maximise toggle restores to, whatever the height was before.
inline constexpr double RestoredHeight = 3150;

// Hover codes of MouseOnObj_DropWindow: the five menu-bar labels, 0 for anything else.
enum HoverCode : int { HoverNone = 0, HoverBarahmaha = 1, HoverAkhan = 2, HoverHistory = 3, HoverAbout = 4, HoverExit = 5 };

class frmDrop_Window final : public strip::ReaderLink {
public:
    // `program_folder` holds One.rtf and Two.rtf. Creating the object sets LoadingDate.
    frmDrop_Window(platform::World world, const StripGeometry& strip, StripArrows& arrows, std::string program_folder);
    ~frmDrop_Window() override;
    frmDrop_Window(const frmDrop_Window&) = delete;
    frmDrop_Window& operator=(const frmDrop_Window&) = delete;

    // Creates the window and its controls and runs the load step, hidden; nothing when loaded.
    void Load();
    // Loads first when needed. The pointer watch TmrCheckMouse runs only while the window is
    // shown; showing catches up on a day that changed while it was hidden.
    void Show();
    // Hides the window and stops its pointer watch; the hovered menu-bar label is let go.
    void Hide();
    // Hides the window and destroys it with its controls, menus and timers; window-level
    // values stay. Safe from the window's own handlers: the native parts go on the next turn
    // of the event loop (or at the next Load).
    void Unload();
    bool Loaded() const { return controls_ != nullptr; }
    bool Visible() const;

    // strip::ReaderLink
    bool LoadedVisible() override;
    void ShowReader() override { Show(); }
    double ReaderHeight() const override;
    void MoveReader(double left, double top) override;
    void ReaderUserMousePosition(std::string_view state) override { UserMousePosition(state); }
    void SetReaderDragTimer(bool on) override;

    // Layout, toggles (frm_drop_window_layout.cpp).
    void Form_Load();
    void Labels_Initialize();
    void ImageControl_Position();
    void ImageControl_Visible(int a, int b, bool choice);
    // 32-bit twips: screens wider than 2184 pixels are carried like any other.
    void rchParagraph_Dimensions(std::int32_t wid);
    void Image_Strip_DropDown_Dimensions(bool stretch);
    void ImageBackground_Dimensions(bool stretch);
    void ImageLogo_Move();
    void Window_TopMost(bool on);
    void Image_Strip_DropDown_DblClick();
    void ImageControl_Click();

    // Menus and documents (frm_drop_window_menus.cpp).
    void LoadMenu();
    void LoadFile(std::string_view file_name, std::string_view Break_name, std::string_view Break_point);
    void mnuSub1_Click(int m);
    void mnuSub2_Click(int m);
    void mnuHistory_Click();
    void mnuHelp_Click();
    void mnuNanakshahi_Calendar_Click();
    void mnuOrvanta_Click();
    void mnuTarnvel_Click();
    void Label1_MouseDown(platform::MouseButton b);
    void Label2_MouseDown(platform::MouseButton b);
    void Label3_MouseUp(platform::MouseButton b);
    void Label4_MouseDown(platform::MouseButton b);
    void DayRollover_Check();

    // Pointer feedback and closing (frm_drop_window_watch.cpp).
    void MouseOn(int code);
    void MouseOff(int code);
    void PointerMovedOver(int code);
    void rchParagraph_MouseMove();
    void rchWholeFile_Change();
    void TmrCheckMouse_Timer();
    void Label5_MouseUp(platform::MouseButton b);
    void mnuExit_Click();

    // Screen readers and the keyboard (frm_drop_window_keyboard.cpp).
    void Accessible_Initialize();
    // Esc does what Exit does.
    bool Form_KeyDown(platform::Key k);

    // Drag by the picture strip (frm_drop_window_drag.cpp). UserMousePosition returns false
    // when it needed the pointer and could not read it.
    bool UserMousePosition(std::string_view state);
    void Image_Strip_DropDown_MouseDown(platform::MouseButton b);
    void Image_Strip_DropDown_MouseUp(platform::MouseButton b);
    void TimerCalendarDropDownStripMove_Timer();

    struct Controls {
        explicit Controls(platform::Window& w);
        // Created bottom to top: later controls lie above earlier ones.
        platform::Picture ImageBackground0, ImageBackground1;
        platform::Picture ImageLogo;
        platform::Label Label6;
        platform::Picture Image_Strip_DropDown0, Image_Strip_DropDown1;
        platform::Picture ImageControl0, ImageControl1;
        platform::Label Label1, Label2, Label3, Label4, Label5;
        platform::RichTextBox rchParagraph, rchWholeFile;
        platform::Timer TmrCheckMouse;
        platform::Timer TimerCalendarDropDownStripMove;
        platform::Menu mnuBaramah, mnuAkhan, mnuAbout;
        // The five menu-bar labels, then the maximise or restore picture.
        platform::FocusRing Keyboard;
        platform::Picture& ImageControl(int i) { return i == 0 ? ImageControl0 : ImageControl1; }
        platform::Label& MenuLabel(int code);  // codes 1..5
    };
    platform::Window& window() { return *window_; }
    Controls& controls() { return *controls_; }

    // Window-level values: they survive Unload.
    int MouseOnObj_DropWindow = 0;
    std::string LoadingDate;
    bool Reader_Wide = false;
    bool Reader_Maximized = false;
    std::int32_t DragPointerX = 0, DragPointerY = 0;
    float DragLastX = 0, DragLastY = 0;
    std::int32_t FormLeftPx = 0, FormTopPx = 0, FormWidthPx = 0, FormHeightPx = 0;
    bool WatchStarted = false;

    // The program's one handling of a change of the date, which rolls the strip over before
    // this window's own check (DayRollover_Check) runs. Unset: the window checks alone.
    std::function<void()> DayChange;

    // Two left presses on the picture strip within this time make a double-click.
    static constexpr std::chrono::milliseconds DoubleClickTime{500};
    // The clock of double-clicks; tests replace it.
    std::function<std::chrono::steady_clock::time_point()> now = [] { return std::chrono::steady_clock::now(); };

private:
    void CreateControls();
    void Layout();
    void CheckDay();
    double ScreenWidth() const;
    double ScreenHeight() const;
    void MoveWindow(double left, double top, double width, double height);
    void ReapRetired();

    platform::World world_;
    const StripGeometry& strip_;
    StripArrows& arrows_;
    std::string program_folder_;
    std::unique_ptr<platform::Window> window_;
    std::unique_ptr<Controls> controls_;  // declared after window_: destroyed first
    // An unloaded window waits here until no handler of its own is running any more.
    std::unique_ptr<platform::Window> retired_window_;
    std::unique_ptr<Controls> retired_controls_;
    platform::Timer reaper_;
    std::chrono::steady_clock::time_point last_strip_press_{};
};

}  // namespace tarnvel::reader
