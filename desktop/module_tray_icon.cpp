#include "desktop/module_tray_icon.h"

namespace tarnvel {
namespace {

constexpr std::uint32_t kRecordSize = 88;

void notify(std::uint32_t message) {
    ModuleTrayIcon.notify->Shell_NotifyIconA(message, ModuleTrayIcon.TrayIconData.Bytes());
}

}  // namespace

void AddTrayIcon(TrayHost& Form, platform::Menu& Menu) {
    auto& m = ModuleTrayIcon;
    m.TrayForm = &Form;
    m.TrayMenu = &Menu;
    m.PrevWndProc = m.messages->SetWindowLongA(Form.Handle(), platform::GWL_WNDPROC_, &TrayWindowProc);
    auto& d = m.TrayIconData;
    d.uID = 0;
    d.hWnd = Form.Handle();
    d.hIcon = Form.Icon();
    d.uCallbackMessage = TrayCallbackMessage;
    d.uFlags = platform::NIF_MESSAGE_ | platform::NIF_ICON_;
    d.cbSize = kRecordSize;
    notify(platform::NIM_ADD_);
}

void SetTrayTip(std::string_view Text) {
    ModuleTrayIcon.TrayIconData.SetTip(Text);
    ModuleTrayIcon.TrayIconData.uFlags = platform::NIF_TIP_;
    notify(platform::NIM_MODIFY_);
}

void RemoveTrayIcon() {
    auto& m = ModuleTrayIcon;
    m.TrayIconData.uFlags = 0;
    notify(platform::NIM_DELETE_);
    if (m.TrayForm) m.messages->SetWindowLongA(m.TrayForm->Handle(), platform::GWL_WNDPROC_, m.PrevWndProc);
    m.TrayForm = nullptr;
}

platform::LRESULT_ TARNVEL_CALLBACK TrayWindowProc(platform::WindowHandle hWnd, std::uint32_t uMsg, platform::WPARAM_ wParam,
                                  platform::LPARAM_ lParam) {
    auto& m = ModuleTrayIcon;
    // Saved before the removal below, which the message still goes through.
    const platform::WndProc prev = m.PrevWndProc;
    const auto pass_on = [&] { return m.messages->CallWindowProcA(prev, hWnd, uMsg, wParam, lParam); };

    if (uMsg == platform::WM_NCDESTROY_) {
        RemoveTrayIcon();
        return pass_on();
    }
    if (uMsg == TrayCallbackMessage) {
        if (lParam == platform::WM_LBUTTONUP_) {
            if (m.ShowAllForms) m.ShowAllForms();
            return 0;
        }
        if (lParam == platform::WM_RBUTTONUP_) {
            if (!m.TrayForm || !m.TrayMenu) return 0;
            m.messages->SetForegroundWindow(m.TrayForm->Handle());
            m.TrayForm->PopupMenu(*m.TrayMenu);
            // "Exit" destroys the strip inside the popup: then there is nothing to post to.
            if (!m.TrayForm) return 0;
            m.messages->PostMessageA(m.TrayForm->Handle(), platform::WM_NULL_, 0, 0);
            return 0;
        }
        return pass_on();
    }
    if (uMsg == platform::WM_SYSCOMMAND_ && m.TrayForm) {
        if (wParam == platform::SC_MINIMIZE_) {
            m.TrayForm->Hide();
            m.TrayForm->SetTrayMenuItems(1);
            return 0;
        }
        if (wParam == platform::SC_RESTORE_ && !m.TrayForm->Visible()) {
            m.TrayForm->Show();
            m.TrayForm->SetTrayMenuItems(0);
            return 0;
        }
    }
    return pass_on();
}

}  // namespace tarnvel
