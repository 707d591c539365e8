#pragma once
// Windows the tests make with the plain API, each destroyed with its owner.

#include <windows.h>

#include "toolkit/GdiOwners.h"

namespace vistrel::test {

struct DestroyWindowHandle {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using WindowOwner = tk::Owner<HWND, DestroyWindowHandle>;

// A window of a class of the test's own (registered on first use), at
// `bounds` (left, top, right, bottom). `param` reaches WM_NCCREATE as
// lpCreateParams.
inline WindowOwner MakeWindow(const char* className, WNDPROC procedure, const char* title, DWORD style,
                              const RECT& bounds, HWND ownerOrParent = nullptr, DWORD exStyle = 0,
                              void* param = nullptr) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);  // fails harmlessly once registered
    return WindowOwner(CreateWindowExA(exStyle, className, title, style, bounds.left, bounds.top,
                                       bounds.right - bounds.left, bounds.bottom - bounds.top, ownerOrParent,
                                       nullptr, GetModuleHandleA(nullptr), param));
}

}  // namespace vistrel::test
