#pragma once
// Where another program's window stands, read without sending it a message
// (also for a hung window), and what Vistrel's parking makes of it.

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

}  // namespace vistrel::e2e
