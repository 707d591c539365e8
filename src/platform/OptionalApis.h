#pragma once
// The functions that the program looks up at run time, because not every
// system it runs on has them. A missing one switches its feature off (reduced
// mode); a default-constructed object is the missing case, which tests use.

#include "platform/SystemLibrary.h"

#include <windows.h>

namespace vistrel::platform {

// "PrintWindow" of User32.dll: the capture of window pictures.
struct PrintWindowApi {
    static PrintWindowApi Load();
    bool Available() const noexcept { return print_ != nullptr; }
    // FALSE when unavailable.
    BOOL Print(HWND window, HDC dc, UINT flags) const;
    void Free() noexcept;

private:
    using PrintFn = BOOL(WINAPI*)(HWND, HDC, UINT);
    SystemLibrary library_;  // kept only when the function exists
    PrintFn print_ = nullptr;
};

// "GetModuleFileNameExW" of psapi.dll: the executable path behind a window.
struct ProcessPathApi {
    static ProcessPathApi Load();
    bool Available() const noexcept { return moduleFileName_ != nullptr; }
    // The length copied, 0 on failure or when unavailable.
    DWORD ModuleFileName(HANDLE process, HMODULE module, wchar_t* buffer, DWORD size) const;
    void Free() noexcept;

private:
    using ModuleFileNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);
    SystemLibrary library_;
    ModuleFileNameFn moduleFileName_ = nullptr;
};

// "SetLayeredWindowAttributes" of user32.dll: translucency.
struct LayeredApi {
    static LayeredApi Load();
    bool Available() const noexcept { return setAttributes_ != nullptr; }
    // FALSE when unavailable.
    BOOL SetAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags) const;
    void Free() noexcept;

private:
    using SetAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    SystemLibrary library_;
    SetAttributesFn setAttributes_ = nullptr;
};

// "DwmGetWindowAttribute" of dwmapi.dll: whether the desktop compositor keeps
// a window cloaked (a suspended store app's frame, a window of another
// virtual desktop, one the shell is hiding): visible by its style, yet not
// on the screen.
struct CloakApi {
    static CloakApi Load();
    // False also when the compositor cannot say (no dwmapi, E_NOTIMPL).
    bool Cloaked(HWND window) const;

private:
    using GetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
    SystemLibrary library_;
    GetAttributeFn getAttribute_ = nullptr;
};

}  // namespace vistrel::platform
