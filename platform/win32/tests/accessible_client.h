#pragma once
// What a screen reader's side of the tests needs to ask an IAccessible about its children.

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace tarnvel::platform::test {

// The VARIANT that names child `id` (CHILDID_SELF for the object itself).
inline VARIANT Id(LONG id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

// The text of a string the object allocated; the string is freed. Null reads as empty.
inline std::wstring Take(BSTR b) {
    std::wstring s = b ? std::wstring(b, SysStringLen(b)) : L"";
    SysFreeString(b);
    return s;
}

}  // namespace tarnvel::platform::test
