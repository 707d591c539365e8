#include "platform/DisplayInfo.h"

#include "platform/WindowDc.h"

namespace vistrel::platform {

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

int BitsPerPixel(HWND window) {
    WindowDc dc(window);
    return dc.get() ? GetDeviceCaps(dc.get(), BITSPIXEL) : 0;
}

}  // namespace vistrel::platform
