#pragma once
// WindowCapture: the one way the program takes a window's picture at its full
// size. The print service comes first; where it reports success and draws
// nothing (every window of another process under Wine; on Windows some GPU
// drawn windows, old DirectX surfaces, protected content), the window's own
// pixels are copied from the screen instead, from the parts that no other
// window covers. What the screen does not show (covered, off-screen, parked)
// is not the window's and stays white; the caller knows which parts are.
//
// A window that once printed nothing is copied from the screen straight away
// afterwards while the screen shows all of it: asking it to print again would
// only cost a round trip to its process. Where the screen cannot show it, it is
// asked to print again, in case it has learned to.

#include <windows.h>

#include <unordered_set>
#include <vector>

#include "common/Geometry.h"
#include "toolkit/Bitmap.h"

namespace vistrel {

class WindowCatalogue;
namespace platform {
struct PrintWindowApi;
}

struct CapturedImage {
    bool answered = true;   // false: the window did not answer; nothing was taken
    bool complete = false;  // every pixel is the window's own
    // The window's own pixels, in window coordinates (all of them when complete).
    std::vector<Rect> parts;
};

class WindowCapture {
public:
    // Both must outlive the capture; the catalogue tells what covers a window.
    WindowCapture(const platform::PrintWindowApi& printWindow, const WindowCatalogue& catalogue);

    // Takes the picture of `window`, whose rectangle is `rect` (read just
    // before), into `image` (a 32-bit DIB, resized to the window).
    CapturedImage Capture(HWND window, const RECT& rect, tk::Bitmap& image) const;

private:
    bool Print(HWND window, tk::Bitmap& image) const;
    // `origin`: the window's top-left corner on the screen.
    static void CopyFromScreen(POINT origin, const std::vector<Rect>& parts, tk::Bitmap& image);

    const platform::PrintWindowApi& printWindow_;
    const WindowCatalogue& catalogue_;
    mutable std::unordered_set<HWND> printsNothing_;
};

}  // namespace vistrel
