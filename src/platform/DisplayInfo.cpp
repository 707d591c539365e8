#include "platform/DisplayInfo.h"

#include <utility>

namespace vistrel::platform {

namespace {

// A window's device context, released when the scope ends.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

int BitsPerPixel(HWND window) {
    WindowDc dc(window);
    return dc.get() ? GetDeviceCaps(dc.get(), BITSPIXEL) : 0;
}

}  // namespace vistrel::platform
