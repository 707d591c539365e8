#include "catalogue/WindowCapture.h"

#include <cstdint>
#include <optional>

#include "catalogue/PrintCheck.h"
#include "catalogue/ScreenParts.h"
#include "catalogue/WindowCatalogue.h"
#include "platform/OptionalApis.h"
#include "platform/WindowDc.h"
#include "platform/WindowFacts.h"

namespace vistrel {

namespace {

// PW_RENDERFULLCONTENT: older SDK headers lack it.
constexpr UINT kRenderFullContent = 0x00000002;
// Forgotten handles are dropped now and then; the set never grows past this.
constexpr size_t kRememberedWindows = 1000;

uint32_t* Pixels(tk::Bitmap& image) { return reinterpret_cast<uint32_t*>(image.Bits()); }
int StrideInPixels(const tk::Bitmap& image) { return image.Stride() / 4; }

}  // namespace

WindowCapture::WindowCapture(const platform::PrintWindowApi& printWindow,
                             const WindowCatalogue& catalogue)
    : printWindow_(printWindow), catalogue_(catalogue) {}

CapturedImage WindowCapture::Capture(HWND window, const RECT& rect, tk::Bitmap& image) const {
    CapturedImage result;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    image.SetPixelFormat(tk::PixelFormat::Bgra32);
    image.SetSize(width, height);
    if (width <= 0 || height <= 0) {
        // Nothing to picture: a uniform fill stands for the window.
        result.complete = true;
        return result;
    }
    const Rect whole{0, 0, width, height};
    // What the screen shows of the window is asked only where the screen may
    // be copied: the question walks every window above this one, which makes
    // it the one cost of a capture that grows with the number of windows.
    std::optional<std::vector<Rect>> shown;
    if (printsNothing_.count(window)) {
        shown = catalogue_.ShownParts(window, rect);
        if (Covers(*shown, whole)) {
            CopyFromScreen({rect.left, rect.top}, *shown, image);
            result.complete = true;
            result.parts = {whole};
            return result;
        }
    }
    // The print waits for the window's thread: a hung window would freeze us.
    if (!platform::Answers(window)) {
        result.answered = false;
        return result;
    }
    if (Print(window, image)) {
        printsNothing_.erase(window);
        result.complete = true;
        result.parts = {whole};
        return result;
    }
    if (printsNothing_.size() >= kRememberedWindows) printsNothing_.clear();
    printsNothing_.insert(window);
    // What the print left are markers on white: the screen's parts replace it.
    if (!shown) shown = catalogue_.ShownParts(window, rect);
    image.GetCanvas().SetBrushColor(RGB(255, 255, 255));
    image.GetCanvas().FillRect({0, 0, width, height});
    CopyFromScreen({rect.left, rect.top}, *shown, image);
    result.complete = Covers(*shown, whole);
    result.parts = std::move(*shown);
    return result;
}

bool WindowCapture::Print(HWND window, tk::Bitmap& image) const {
    const std::vector<Point> samples = PrintSamplePoints(image.Width(), image.Height());
    PlacePrintMarkers(Pixels(image), StrideInPixels(image), samples);
    // Windows drawn by the GPU (DirectX, browsers, most of Windows 10's own
    // windows) print black unless the full content is asked for; systems
    // before 8.1 refuse the flag.
    if (!printWindow_.Print(window, image.Dc(), kRenderFullContent))
        printWindow_.Print(window, image.Dc(), 0);
    return !PrintLeftUntouched(Pixels(image), StrideInPixels(image), samples);
}

void WindowCapture::CopyFromScreen(POINT origin, const std::vector<Rect>& parts,
                                   tk::Bitmap& image) {
    if (parts.empty()) return;
    platform::WindowDc screen(nullptr);
    for (const Rect& p : parts)
        BitBlt(image.Dc(), p.left, p.top, p.width(), p.height(), screen.get(), origin.x + p.left,
               origin.y + p.top, SRCCOPY);
}

}  // namespace vistrel
