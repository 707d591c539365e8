#include "platform/DisplayInfo.h"

#include "platform/SystemLibrary.h"
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

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// GetDpiForMonitor, from Windows 8.1 on; MDT_EFFECTIVE_DPI is 0.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;

GetDpiForMonitorFn DpiForMonitor() {
    // Loaded once and kept for the program's run.
    static const SystemLibrary shcore = SystemLibrary::Load("shcore.dll");
    static const auto function = shcore.Proc<GetDpiForMonitorFn>("GetDpiForMonitor");
    return function;
}

// The monitor's own scale; before Windows 8.1 every monitor has the system's.
int MonitorDpi(HMONITOR monitor) {
    UINT x = 0;
    UINT y = 0;
    if (const GetDpiForMonitorFn function = DpiForMonitor())
        if (SUCCEEDED(function(monitor, kEffectiveDpi, &x, &y)) && x > 0) return static_cast<int>(x);
    const WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : kBaseDpi;
}

BOOL CALLBACK AddMonitorInfo(HMONITOR monitor, HDC, LPRECT, LPARAM monitors) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    auto& list = *reinterpret_cast<std::vector<Monitor>*>(monitors);
    const Monitor m{ToRect(info.rcMonitor), ToRect(info.rcWork), MonitorDpi(monitor)};
    // The primary first: where a choice ties, it is the one a user expects.
    if (info.dwFlags & MONITORINFOF_PRIMARY)
        list.insert(list.begin(), m);
    else
        list.push_back(m);
    return TRUE;
}

}  // namespace

std::vector<RECT> MonitorRects() {
    std::vector<RECT> rects;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&rects));
    return rects;
}

std::vector<Monitor> Monitors() {
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitorInfo, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

Point CursorPosition() {
    POINT p{};
    if (!GetCursorPos(&p)) return {};
    return {p.x, p.y};
}

int BitsPerPixel(HWND window) {
    WindowDc dc(window);
    return dc.get() ? GetDeviceCaps(dc.get(), BITSPIXEL) : 0;
}

}  // namespace vistrel::platform
