#include "platform/rich_text_box.h"

#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <optional>

#include "gurmukhi/fonts.h"
#include "platform/rich_text_state.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "richtext/utf.h"
#include "platform/shown_document.h"
#include "platform/win32/keys.h"
#include "platform/win32/convert.h"
#include "platform/system_world.h"
#include "platform/win32/window_impl.h"

namespace tarnvel::platform {

namespace {

constexpr const wchar_t* ImplProperty = L"TarnvelRichTextBox";

// The Unicode Gurmukhi face used where the legacy font is missing.
std::string UnicodeGurmukhiFace(const Fonts& fonts) {
    return std::string(gurmukhi::unicode_font([&fonts](std::string_view name) { return fonts.Installed(name); }));
}

struct StreamSource {
    const std::string* rtf;
    std::size_t at = 0;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
    auto* s = reinterpret_cast<StreamSource*>(cookie);
    const std::size_t n = std::min(static_cast<std::size_t>(size), s->rtf->size() - s->at);
    std::copy_n(s->rtf->data() + s->at, n, buffer);
    s->at += n;
    *read = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK WriteRtf(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* written) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(size));
    *written = size;
    return 0;
}

}  // namespace

namespace {

// The virtual key of a WM_CHAR of Tab, Enter, Space or Esc; 0 for other characters.
WPARAM CharKey(WPARAM ch) {
    switch (ch) {
        case L'\t': return VK_TAB;
        case L'\r': return VK_RETURN;
        case L' ': return VK_SPACE;
        case 0x1B: return VK_ESCAPE;
        default: return 0;
    }
}

}  // namespace

struct RichTextBox::Impl final : win32::Child, RichTextState {
    RichTextBox* owner = nullptr;
    Window* parent = nullptr;
    HWND hwnd = nullptr;
    WNDPROC previous = nullptr;
    TwipsPerPixel factors;
    bool converted = false;

    ~Impl() override {
        if (hwnd) DestroyWindow(hwnd);
        if (parent) parent->impl().Remove(this);
    }

    void Orphan() override {
        parent = nullptr;
        hwnd = nullptr;  // destroyed with its parent
    }

    // The control's own procedure comes after this one, which only reports pointer moves.
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = static_cast<Impl*>(GetPropW(h, ImplProperty));
        if (!self) return DefWindowProcW(h, msg, wp, lp);
        const WNDPROC next = self->previous;
        if (msg == WM_NCDESTROY) {
            RemovePropW(h, ImplProperty);
            SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
            if (self->hwnd == h) self->hwnd = nullptr;
        } else if (msg == WM_MOUSEMOVE) {
            if (const auto move = self->owner->mouse.move) move();
        } else if ((msg == WM_KEYDOWN || msg == WM_CHAR) && win32::IsWindowKey(msg == WM_CHAR ? CharKey(wp) : wp)) {
            // The window's keys go on to the window; their characters are nobody's.
            if (msg == WM_KEYDOWN) SendMessageW(GetParent(h), WM_KEYDOWN, wp, lp);
            return 0;
        } else if (msg == WM_SETFOCUS) {
            // Read-only: no caret where nothing can be typed.
            const LRESULT r = CallWindowProcW(next, h, msg, wp, lp);
            HideCaret(h);
            return r;
        }
        return CallWindowProcW(next, h, msg, wp, lp);
    }

    void Create(HWND parent_hwnd) {
        hwnd = CreateWindowExW(0, MSFTEDIT_CLASS, L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                                   ES_NOHIDESEL,
                               0, 0, 0, 0, parent_hwnd, nullptr, win32::Instance(), nullptr);
        if (!hwnd) return;
        // The default limit of 32 767 characters would cut long documents short.
        SendMessageW(hwnd, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
        SetPropW(hwnd, ImplProperty, this);
        previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Impl::Proc)));
    }

    void Place() override {
        if (!hwnd) return;
        const RECT r = win32::PixelRect(box, factors);
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void ShowVisible() override {
        if (!hwnd) return;
        ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
        if (visible) SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    void ShowBackColor() override {
        if (hwnd) SendMessageW(hwnd, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(back));
    }
    // A child window: screen readers name it by the window; the role stays the control's own
    // (a read-only rich edit).
    void ShowAccessible() override {}

    // Rebuilds the view: what is shown of the document, as rich text the control reads in.
    void Render() override {
        converted = false;
        if (!hwnd) return;
        const SystemFonts fonts;
        const ShownDocument shown = ShowDocument(
            doc, [&fonts](std::string_view family) { return fonts.Installed(family); }, UnicodeGurmukhiFace(fonts));
        converted = shown.converted;
        const std::string rtf = richtext::write_rtf(shown.document);
        StreamSource source{&rtf};
        EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&source), 0, ReadRtf};
        SendMessageW(hwnd, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
        ScrollToTop();
    }

    void ScrollToTop() override {
        if (!hwnd) return;
        SendMessageW(hwnd, EM_SETSEL, 0, 0);
        SendMessageW(hwnd, WM_VSCROLL, SB_TOP, 0);
    }

};

RichTextBox::RichTextBox(Window& parent) : impl_(std::make_unique<Impl>()) {
    impl_->owner = this;
    impl_->parent = &parent;
    impl_->factors = parent.Factors();
    impl_->Create(reinterpret_cast<HWND>(parent.Handle()));
    parent.impl().Add(impl_.get(), false);
    impl_->ShowBackColor();
}

RichTextBox::~RichTextBox() = default;

RichTextState& RichTextBox::State() const { return *impl_; }

void RichTextBox::SetFocus() {
    if (impl_->hwnd && impl_->parent) impl_->parent->impl().FocusOnActivate(impl_->hwnd);
}
// The window's focus control, whether or not the window is active now.
bool RichTextBox::HasFocus() const {
    return impl_->hwnd && impl_->parent && impl_->parent->impl().focus_child == impl_->hwnd;
}

bool RichTextBox::ShowsConvertedGurmukhi() const { return impl_->converted; }

std::string RichTextBox::ShownText() const {
    if (!impl_->hwnd) return {};
    // The characters come from the plain text, asked in UTF-16 (the control answers so in any
    // case). The breaks come from the control's rich text: Wine answers a line break within a
    // paragraph as a space in the plain text, but writes it as the break it shows; its rich
    // text cannot serve for the characters, which it writes in the nearest ANSI character.
    GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const auto n = SendMessageW(impl_->hwnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
    std::wstring plain(static_cast<std::size_t>(std::max<LRESULT>(n, 0)) + 1, L'\0');
    GETTEXTEX get{};
    get.cb = static_cast<DWORD>(plain.size() * sizeof(wchar_t));
    get.flags = GT_DEFAULT;
    get.codepage = 1200;
    const auto got = SendMessageW(impl_->hwnd, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                  reinterpret_cast<LPARAM>(plain.data()));
    plain.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));

    std::string rtf;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&rtf), 0, WriteRtf};
    SendMessageW(impl_->hwnd, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&es));
    while (!rtf.empty() && rtf.back() == '\0') rtf.pop_back();  // Wine ends the stream with a NUL
    const std::optional<richtext::Document> rich = richtext::parse_rtf(rtf);
    const std::u16string none;
    const std::u16string& breaks = rich ? rich->text : none;

    // Each break is one character of the plain text (CR, VT, or Wine's space) and CR LF in the
    // rich text; every other character is one in both.
    std::u16string shown;
    std::size_t j = 0;
    for (const wchar_t c : plain) {
        const bool rich_break = j + 1 < breaks.size() && breaks[j] == u'\r' && breaks[j + 1] == u'\n';
        if (c == L'\r' || c == L'\v' || (c == L' ' && rich_break)) {
            shown += u'\n';
            j += rich_break ? 2 : 1;
        } else {
            shown += static_cast<char16_t>(c);
            ++j;
        }
    }
    return richtext::to_utf8(shown);
}

}  // namespace tarnvel::platform
