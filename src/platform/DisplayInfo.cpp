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

int BitsPerPixel(HWND window) {
    WindowDc dc(window);
    return dc.get() ? GetDeviceCaps(dc.get(), BITSPIXEL) : 0;
}

}  // namespace vistrel::platform
