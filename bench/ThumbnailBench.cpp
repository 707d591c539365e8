// One thumbnail refresh (capture, scaling, the image list's picture replaced
// in place, the item redrawn) of a 1280 x 1024 window, against the bare
// capture: PrintWindow into a bitmap of the window's size and StretchBlt into
// a thumbnail-sized bitmap. Then the refresh's parts.

#include <windows.h>

#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "MessageProfile.h"
#include "PictureWindows.h"
#include "Timing.h"
#include "catalogue/ThumbnailRenderer.h"
#include "catalogue/WindowCatalogue.h"
#include "exclusion/ExclusionList.h"
#include "platform/Locale.h"
#include "platform/Text.h"
#include "platform/OptionalApis.h"
#include "platform/WindowDc.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GdiOwners.h"

namespace vistrel::bench {
namespace {

constexpr int kSamples = 40;
constexpr int kWarmUp = 5;
constexpr double kTarget = 1.3;
constexpr char kTitle[] = "Bench window 1280x1024";

void Run() {
    PictureWindows windows;
    HWND window = windows.Add(kTitle, 0, 0, 1280, 1024);
    MainWindowHarness main;
    TPrintWndDlg& dlg = *main;
    const int item = main.ItemOf(window);
    if (item < 0 || dlg.List().Caption(item) != platform::Widen(kTitle)) {
        Print("thumbnail refresh: the window is not listed; skipped\n");
        return;
    }
    const int width = dlg.PictureSize().cx;
    const int height = dlg.PictureSize().cy;
    Print("thumbnail refresh: one 1280x1024 window into %dx%d thumbnails, %d samples\n", width,
          height, kSamples);
    tk::Bitmap thumbnail(width, height);

    std::vector<double> refresh, bare;
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        main.Pump();  // the item's repaint stays outside the timings
        const PairMs times = TimePair(
            i, [&] { dlg.RefreshThumbnail(window, item); },
            [&] { BareCapture(window, thumbnail.Dc(), width, height); });
        if (i < kWarmUp) continue;
        refresh.push_back(times.measured);
        bare.push_back(times.reference);
    }
    PrintComparison("thumbnail refresh (1280x1024 window)", Median(refresh), "bare capture",
                    Median(bare), kTarget);

    PrintMessageProfile("refresh", [&] { dlg.RefreshThumbnail(window, item); }, 6);

    // The parts, each on its own: the renderer without the image list, the
    // steps of a capture, and the replacement of the item's picture, also
    // from a bitmap in the image list's own 24-bit format.
    const auto printApi = platform::PrintWindowApi::Load();
    const auto paths = platform::ProcessPathApi::Load();
    const ExclusionList exclusion(platform::EqualIgnoreCaseUser);
    const WindowCatalogue catalogue(paths, exclusion);
    const ThumbnailRenderer renderer(printApi, catalogue, dlg.Glyphs());
    const RenderOptions options = dlg.CurrentRenderOptions();
    tk::Bitmap thumbnail24(width, height, tk::PixelFormat::Bgr24);
    tk::Bitmap thumbnail32(width, height, tk::PixelFormat::Bgra32);
    const int image = dlg.List().ImageIndex(item);
    RECT r;
    GetWindowRect(window, &r);
    const int windowWidth = r.right - r.left;
    const int windowHeight = r.bottom - r.top;
    std::vector<double> render, bitmap, print, stretch, stretch24, stretch32, replace, replace24,
        replace32, redraw;
    for (int i = 0; i < 21; ++i) {
        main.Pump();
        render.push_back(TimeMs([&] {
            renderer.RenderThumbnail(*dlg.EntryOf(item), thumbnail, options, nullptr);
        }));
        platform::WindowDc windowDc(window, platform::WindowDc::Whole);
        tk::MemoryDcOwner captureDc(CreateCompatibleDC(windowDc.get()));
        tk::BitmapOwner capture;
        bitmap.push_back(TimeMs([&] {
            capture.reset(CreateCompatibleBitmap(windowDc.get(), windowWidth, windowHeight));
        }));
        tk::Selection selected(captureDc.get(), capture.get());
        print.push_back(TimeMs([&] { PrintWindow(window, captureDc.get(), 0); }));
        const auto stretchInto = [&](HDC target) {
            SetStretchBltMode(target, COLORONCOLOR);
            StretchBlt(target, 0, 0, width, height, captureDc.get(), 0, 0, windowWidth,
                       windowHeight, SRCCOPY);
        };
        stretch.push_back(TimeMs([&] { stretchInto(thumbnail.Dc()); }));
        stretch24.push_back(TimeMs([&] { stretchInto(thumbnail24.Dc()); }));
        stretch32.push_back(TimeMs([&] { stretchInto(thumbnail32.Dc()); }));
        replace.push_back(TimeMs([&] { dlg.Thumbnails().Replace(image, thumbnail); }));
        replace24.push_back(TimeMs([&] { dlg.Thumbnails().Replace(image, thumbnail24); }));
        replace32.push_back(TimeMs([&] { dlg.Thumbnails().Replace(image, thumbnail32); }));
        redraw.push_back(TimeMs([&] { dlg.List().RedrawItem(item); }));
    }
    Print("  parts: RenderThumbnail alone %.3f ms = full-size bitmap %.3f + PrintWindow %.3f + "
          "StretchBlt %.3f + the rest; image list replace %.3f; item redraw %.3f\n",
          Median(render), Median(bitmap), Median(print), Median(stretch), Median(replace),
          Median(redraw));
    Print("  thumbnail bitmap as a 24-bit DIB: StretchBlt %.3f ms, image list replace %.3f ms; as "
          "a 32-bit DIB: %.3f ms, %.3f ms\n",
          Median(stretch24), Median(replace24), Median(stretch32), Median(replace32));
}

}  // namespace
}  // namespace vistrel::bench

int main() { return vistrel::bench::RunBenchmark("thumbnail refresh", vistrel::bench::Run); }
