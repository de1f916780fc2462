#pragma once
// The client area of a Window as screen readers see it (Active Accessibility): the window's
// lightweight controls are its children, simple elements numbered 1.. in stacking order
// among those shown and with a role. The window itself (CHILDID_SELF) is answered by the
// system's standard client object. Child windows (the rich-text box) keep their own.
//
// The window holds one reference and drops it when it goes; a screen reader may hold others
// longer, and from then on every call fails with CO_E_OBJNOTCONNECTED.
//
// The interface's id is __uuidof(IAccessible): mingw's oleacc library gives the name
// IID_IAccessible to an import thunk, not to the GUID.

#include <windows.h>
#include <oleacc.h>

#include <atomic>
#include <vector>

#include "platform/win32/window_impl.h"

namespace tarnvel::platform::win32 {

// The children a client object shows now, bottom to top.
std::vector<Lightweight*> AccessibleChildren(const Window::Impl& w);
// `c`'s child id among them; 0 (CHILDID_SELF) when it is not one.
LONG ChildIdOf(const Window::Impl& w, const Lightweight* c);

class ClientAccessible final : public IAccessible {
public:
    // One reference, the caller's.
    explicit ClientAccessible(Window::Impl& w) : window_(&w) {}
    ClientAccessible(const ClientAccessible&) = delete;
    ClientAccessible& operator=(const ClientAccessible&) = delete;

    // The window is going: forget it, and cut off the screen readers' proxies.
    void Disconnect();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: no type information; screen readers call the vtable.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    ~ClientAccessible();
    // The system's object for the window itself, made on first use; null when gone.
    IAccessible* Standard();
    // The lightweight control `child` names; null for CHILDID_SELF. E_INVALIDARG for an id
    // that names nothing, CO_E_OBJNOTCONNECTED once the window is gone.
    HRESULT Resolve(const VARIANT& child, Lightweight** out) const;

    std::atomic<ULONG> refs_{1};
    Window::Impl* window_;  // null once the window is gone
    IAccessible* standard_ = nullptr;
};

}  // namespace tarnvel::platform::win32
