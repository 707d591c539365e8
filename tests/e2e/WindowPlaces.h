#pragma once
// Where another program's window stands and how it is layered, read without
// sending it a message (also for a hung window), as the system keeps it.

#include <windows.h>

namespace vistrel::e2e {

constexpr int kParkingOffset = 20000;
constexpr int kParkedThreshold = 10000;

inline RECT RectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

inline bool IsParked(HWND window) { return RectOf(window).left >= kParkedThreshold; }

inline bool AtHome(HWND window, int x, int y) {
    const RECT r = RectOf(window);
    return !IsIconic(window) && r.left == x && r.top == y;
}

struct Layering {
    bool layered = false;
    BYTE alpha = 255;
};

inline Layering LayeringOf(HWND window) {
    Layering result;
    result.layered = (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    COLORREF key = 0;
    DWORD flags = 0;
    if (result.layered) GetLayeredWindowAttributes(window, &key, &result.alpha, &flags);
    return result;
}

}  // namespace vistrel::e2e
