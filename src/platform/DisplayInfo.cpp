#include "platform/DisplayInfo.h"

#include "platform/WindowDc.h"

namespace vistrel::platform {

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

RECT VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM rects) {
    reinterpret_cast<std::vector<RECT>*>(rects)->push_back(*area);
    return TRUE;
}

}  // namespace

std::vector<RECT> MonitorRects() {
    std::vector<RECT> rects;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&rects));
    return rects;
}

int BitsPerPixel(HWND window) {
    WindowDc dc(window);
    return dc.get() ? GetDeviceCaps(dc.get(), BITSPIXEL) : 0;
}

}  // namespace vistrel::platform
