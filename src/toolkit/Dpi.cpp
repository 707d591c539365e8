#include "toolkit/Dpi.h"

#include "common/DpiScale.h"
#include "platform/WindowDc.h"

namespace vistrel::tk {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn DpiForWindow() {
    // user32 is loaded with the program, so looking it up loads nothing.
    static const auto function = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
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

}  // namespace vistrel::tk
