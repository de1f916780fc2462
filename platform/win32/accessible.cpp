#include "platform/win32/accessible.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/win32/convert.h"

namespace tarnvel::platform::win32 {

namespace {

LONG SystemRole(AccessibleRole r) {
    switch (r) {
        case AccessibleRole::Link: return ROLE_SYSTEM_LINK;
        case AccessibleRole::Button: return ROLE_SYSTEM_PUSHBUTTON;
        case AccessibleRole::Menu: return ROLE_SYSTEM_BUTTONMENU;
        case AccessibleRole::MenuItem: return ROLE_SYSTEM_MENUITEM;
        case AccessibleRole::Document: return ROLE_SYSTEM_DOCUMENT;
        case AccessibleRole::Text:
        case AccessibleRole::None: break;
    }
    return ROLE_SYSTEM_STATICTEXT;
}

// The verbs the system's own controls of each role use.
const wchar_t* ActionOf(AccessibleRole r) {
    switch (r) {
        case AccessibleRole::Link: return L"Jump";
        case AccessibleRole::Button: return L"Press";
        case AccessibleRole::Menu: return L"Open";
        case AccessibleRole::MenuItem: return L"Execute";
        default: return L"Click";
    }
}

HRESULT Text(const std::wstring& s, BSTR* out) {
    *out = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

void SetChild(VARIANT* v, LONG id) {
    v->vt = VT_I4;
    v->lVal = id;
}

}  // namespace

std::vector<Lightweight*> AccessibleChildren(const Window::Impl& w) {
    std::vector<Lightweight*> out;
    for (Lightweight* c : w.lightweights)
        if (c->Shown() && c->Role() != AccessibleRole::None) out.push_back(c);
    return out;
}

LONG ChildIdOf(const Window::Impl& w, const Lightweight* c) {
    const std::vector<Lightweight*> all = AccessibleChildren(w);
    const auto it = std::find(all.begin(), all.end(), c);
    return it == all.end() ? CHILDID_SELF : static_cast<LONG>(it - all.begin()) + 1;
}

ClientAccessible::~ClientAccessible() {
    if (standard_) standard_->Release();
}

void ClientAccessible::Disconnect() {
    window_ = nullptr;
    if (standard_) std::exchange(standard_, nullptr)->Release();
    // Stubs held for other processes go now; their proxies then fail on every call.
    CoDisconnectObject(static_cast<IAccessible*>(this), 0);
}

IAccessible* ClientAccessible::Standard() {
    if (!window_ || !window_->hwnd) return nullptr;
    if (!standard_) {
        void* p = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(window_->hwnd, OBJID_CLIENT, __uuidof(IAccessible), &p)))
            standard_ = static_cast<IAccessible*>(p);
    }
    return standard_;
}

HRESULT ClientAccessible::Resolve(const VARIANT& child, Lightweight** out) const {
    *out = nullptr;
    if (!window_ || !window_->hwnd) return CO_E_OBJNOTCONNECTED;
    if (child.vt != VT_I4) return E_INVALIDARG;
    if (child.lVal == CHILDID_SELF) return S_OK;
    const std::vector<Lightweight*> all = AccessibleChildren(*window_);
    if (child.lVal < 1 || child.lVal > static_cast<LONG>(all.size())) return E_INVALIDARG;
    *out = all[static_cast<size_t>(child.lVal - 1)];
    return S_OK;
}

HRESULT ClientAccessible::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG ClientAccessible::AddRef() { return ++refs_; }

ULONG ClientAccessible::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT ClientAccessible::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}
HRESULT ClientAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}
HRESULT ClientAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT ClientAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

HRESULT ClientAccessible::get_accParent(IDispatch** parent) {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    IAccessible* s = Standard();
    return s ? s->get_accParent(parent) : CO_E_OBJNOTCONNECTED;
}

HRESULT ClientAccessible::get_accChildCount(long* count) {
    if (!count) return E_POINTER;
    *count = 0;
    if (!window_ || !window_->hwnd) return CO_E_OBJNOTCONNECTED;
    *count = static_cast<long>(AccessibleChildren(*window_).size());
    return S_OK;
}

HRESULT ClientAccessible::get_accChild(VARIANT child, IDispatch** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    Lightweight* c;
    if (const HRESULT hr = Resolve(child, &c); FAILED(hr)) return hr;
    // The children are simple elements, answered by this object with their ids.
    return c ? S_FALSE : E_INVALIDARG;
}

HRESULT ClientAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!name) return E_POINTER;
    *name = nullptr;
    Lightweight* c;
    if (const HRESULT hr = Resolve(child, &c); FAILED(hr)) return hr;
    if (!c) {
        IAccessible* s = Standard();
        return s ? s->get_accName(child, name) : CO_E_OBJNOTCONNECTED;
    }
    return Text(Wide(c->AccessibleName()), name);
}

HRESULT ClientAccessible::get_accValue(VARIANT child, BSTR* value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    Lightweight* c;
    if (const HRESULT hr = Resolve(child, &c); FAILED(hr)) return hr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT ClientAccessible::get_accDescription(VARIANT child, BSTR* text) {
    if (!text) return E_POINTER;
    *text = nullptr;
    Lightweight* c;
    if (const HRESULT hr = Resolve(child, &c); FAILED(hr)) return hr;
    // A tooltip that is not already the name says more about the control.
    if (c && !c->Tip().empty() && c->Tip() != c->AccessibleName()) return Text(Wide(c->Tip()), text);
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT ClientAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) return E_POINTER;
    VariantInit(role);
    Lightweight* c;
    if (const HRESULT hr = Resolve(child, &c); FAILED(hr)) return hr;
    SetChild(role, c ? SystemRole(c->Role()) : ROLE_SYSTEM_CLIENT);
    return S_OK;
}

HRESULT ClientAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!state) return E_POINTER;
    VariantInit(state);
    Lightweight* c;
    if (const HRESULT hr = Resolve(child, &c); FAILED(hr)) return hr;
    if (!c) {
        IAccessible* s = Standard();
        return s ? s->get_accState(child, state) : CO_E_OBJNOTCONNECTED;
    }
    LONG bits = 0;
    if (!c->Shown()) bits |= STATE_SYSTEM_INVISIBLE;
    if (c->CanActivate()) bits |= STATE_SYSTEM_FOCUSABLE;
    if (c->Role() == AccessibleRole::Link) bits |= STATE_SYSTEM_LINKED;
    if (c->Marked() && GetFocus() == window_->hwnd) bits |= STATE_SYSTEM_FOCUSED;
    SetChild(state, bits);
    return S_OK;
}

HRESULT ClientAccessible::get_accHelp(VARIANT, BSTR* help) {
    if (help) *help = nullptr;
    return window_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}
HRESULT ClientAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return window_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}
HRESULT ClientAccessible::get_accKeyboardShortcut(VARIANT, BSTR* keys) {
    if (keys) *keys = nullptr;
    return window_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT ClientAccessible::get_accFocus(VARIANT* focus) {
    if (!focus) return E_POINTER;
    VariantInit(focus);
    if (!window_ || !window_->hwnd) return CO_E_OBJNOTCONNECTED;
    if (GetFocus() == window_->hwnd) {
        const std::vector<Lightweight*> all = AccessibleChildren(*window_);
        const auto it = std::find_if(all.begin(), all.end(), [](const Lightweight* c) { return c->Marked(); });
        SetChild(focus, it == all.end() ? CHILDID_SELF : static_cast<LONG>(it - all.begin()) + 1);
        return S_OK;
    }
    // A child window with the focus (the rich-text box) is the standard object's to give.
    IAccessible* s = Standard();
    return s ? s->get_accFocus(focus) : CO_E_OBJNOTCONNECTED;
}

HRESULT ClientAccessible::get_accSelection(VARIANT* selection) {
    if (selection) VariantInit(selection);
    return window_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT ClientAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!action) return E_POINTER;
    *action = nullptr;
    Lightweight* c;
    if (const HRESULT hr = Resolve(child, &c); FAILED(hr)) return hr;
    if (!c) {
        IAccessible* s = Standard();
        return s ? s->get_accDefaultAction(child, action) : CO_E_OBJNOTCONNECTED;
    }
    if (!c->CanActivate()) return DISP_E_MEMBERNOTFOUND;
    return Text(ActionOf(c->Role()), action);
}

HRESULT ClientAccessible::accSelect(long, VARIANT child) {
    Lightweight* c;
    if (const HRESULT hr = Resolve(child, &c); FAILED(hr)) return hr;
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT ClientAccessible::accLocation(long* x, long* y, long* w, long* h, VARIANT child) {
    if (!x || !y || !w || !h) return E_POINTER;
    *x = *y = *w = *h = 0;
    Lightweight* c;
    if (const HRESULT hr = Resolve(child, &c); FAILED(hr)) return hr;
    if (!c) {
        IAccessible* s = Standard();
        return s ? s->accLocation(x, y, w, h, child) : CO_E_OBJNOTCONNECTED;
    }
    const RECT r = c->Bounds();
    POINT p{r.left, r.top};
    ClientToScreen(window_->hwnd, &p);
    *x = p.x;
    *y = p.y;
    *w = r.right - r.left;
    *h = r.bottom - r.top;
    return S_OK;
}

HRESULT ClientAccessible::accNavigate(long dir, VARIANT start, VARIANT* end) {
    if (!end) return E_POINTER;
    VariantInit(end);
    Lightweight* c;
    if (const HRESULT hr = Resolve(start, &c); FAILED(hr)) return hr;
    const LONG count = static_cast<LONG>(AccessibleChildren(*window_).size());
    LONG to = 0;
    if (!c) {
        if (dir == NAVDIR_FIRSTCHILD) to = count > 0 ? 1 : 0;
        else if (dir == NAVDIR_LASTCHILD) to = count;
        else {
            // The window's siblings are the standard object's.
            IAccessible* s = Standard();
            return s ? s->accNavigate(dir, start, end) : CO_E_OBJNOTCONNECTED;
        }
    } else if (dir == NAVDIR_NEXT) {
        to = start.lVal < count ? start.lVal + 1 : 0;
    } else if (dir == NAVDIR_PREVIOUS) {
        to = start.lVal - 1;
    } else if (dir == NAVDIR_FIRSTCHILD || dir == NAVDIR_LASTCHILD) {
        return E_INVALIDARG;  // a simple element has no children
    } else {
        return DISP_E_MEMBERNOTFOUND;  // up, down, left, right: not kept
    }
    if (to == 0) return S_FALSE;
    SetChild(end, to);
    return S_OK;
}

HRESULT ClientAccessible::accHitTest(long x, long y, VARIANT* child) {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!window_ || !window_->hwnd) return CO_E_OBJNOTCONNECTED;
    POINT p{x, y};
    ScreenToClient(window_->hwnd, &p);
    const std::vector<Lightweight*> all = AccessibleChildren(*window_);
    // From the topmost down, as the pointer's events go.
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        const RECT r = (*it)->Bounds();
        if (PtInRect(&r, p)) {
            SetChild(child, static_cast<LONG>(all.rend() - it));
            return S_OK;
        }
    }
    // Elsewhere: the client area itself, a child window or outside, as the system says.
    IAccessible* s = Standard();
    return s ? s->accHitTest(x, y, child) : CO_E_OBJNOTCONNECTED;
}

HRESULT ClientAccessible::accDoDefaultAction(VARIANT child) {
    Lightweight* c;
    if (const HRESULT hr = Resolve(child, &c); FAILED(hr)) return hr;
    if (!c) {
        IAccessible* s = Standard();
        return s ? s->accDoDefaultAction(child) : CO_E_OBJNOTCONNECTED;
    }
    if (!c->CanActivate()) return DISP_E_MEMBERNOTFOUND;
    PostMessageW(window_->hwnd, ActivateMessage, 0, reinterpret_cast<LPARAM>(c));
    return S_OK;
}

HRESULT ClientAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT ClientAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace tarnvel::platform::win32
