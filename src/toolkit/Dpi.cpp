#include "toolkit/Dpi.h"

#include "common/DpiScale.h"
#include "platform/WindowDc.h"

namespace vistrel::tk {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

// A function of user32 that only newer systems have; null where it is missing.
// user32 is loaded with the program, so looking it up loads nothing.
template <class F>
F User32Function(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

GetDpiForWindowFn DpiForWindow() {
    static const auto function = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    return function;
}

}  // namespace

int WindowDpi(HWND window) {
    if (window) {
        if (const GetDpiForWindowFn function = DpiForWindow()) {
            if (const UINT dpi = function(window)) return static_cast<int>(dpi);
        }
    }
    const platform::WindowDc dc(window);
    const int dpi = dc ? GetDeviceCaps(dc.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : kBaseDpi;
}

int ScaleFor(HWND window, int length96) { return ScaleToDpi(length96, WindowDpi(window)); }

RECT FrameAt(DWORD style, DWORD exStyle, int dpi) {
    static const auto adjust = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, 0, 0};
    if (!adjust || !adjust(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        frame = {0, 0, 0, 0};
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return frame;
}

int SystemMetricAt(int index, int dpi) {
    static const auto metric = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    return metric ? metric(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

bool MenuLogFontAt(int dpi, LOGFONTW& font) {
    static const auto parameters = User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (parameters && parameters(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
        font = metrics.lfMenuFont;
        return true;
    }
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return false;
    font = metrics.lfMenuFont;
    font.lfHeight = Rescale(font.lfHeight, WindowDpi(nullptr), dpi);
    return true;
}

}  // namespace vistrel::tk
