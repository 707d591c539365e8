// Windows that print nothing: what the check for an untouched print costs
// against a whole capture, and a thumbnail taken from the screen against the
// bare way to the same thumbnail: the window's rectangle, a screen copy of it
// and the copy scaled into a thumbnail.

#include <windows.h>

#include <vector>

#include "PictureWindows.h"
#include "TestWindows.h"
#include "Timing.h"
#include "catalogue/PrintCheck.h"
#include "catalogue/ThumbnailRenderer.h"
#include "catalogue/WindowCatalogue.h"
#include "exclusion/ExclusionList.h"
#include "platform/Locale.h"
#include "platform/DisplayInfo.h"
#include "platform/OptionalApis.h"
#include "platform/WindowDc.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/ImageList.h"

namespace vistrel::bench {
namespace {

constexpr int kSamples = 40;
constexpr int kWarmUp = 5;
constexpr int kThumbWidth = 240;
constexpr int kThumbHeight = 192;

// The check alone (markers placed, then read back) against a print of the
// same full-size picture, for a window of our own that prints.
void DetectionCost(const platform::PrintWindowApi& api) {
    PictureWindows windows;
    const HWND window = windows.Add("Bench print check", 0, 0, 1280, 1024);
    tk::Bitmap image(1280, 1024, tk::PixelFormat::Bgra32);
    auto* pixels = reinterpret_cast<uint32_t*>(image.Bits());
    const int stride = image.Stride() / 4;
    std::vector<double> check, print;
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        tk::Application::Instance().ProcessMessages();
        bool untouched = false;
        const PairMs times = TimePair(
            i,
            [&] {
                const auto samples = PrintSamplePoints(image.Width(), image.Height());
                PlacePrintMarkers(pixels, stride, samples);
                untouched = PrintLeftUntouched(pixels, stride, samples);
            },
            [&] { api.Print(window, image.Dc(), 0); });
        if (i < kWarmUp || untouched != true) continue;
        check.push_back(times.measured);
        print.push_back(times.reference);
    }
    const double share = 100.0 * Median(check) / Median(print);
    Print("untouched-print check (1280x1024 window): median %.4f ms; the print itself %.3f ms; "
          "%.1f %% of it (target under 5 %%: %s)\n",
          Median(check), Median(print), share, share < 5.0 ? "met" : "missed");
}

void FallbackCost(const platform::PrintWindowApi& api) {
    auto helper = e2e::TestWindows::StartExe(
        {e2e::Plan(e2e::Kind::Frame, "Bench fallback", 700, 100, 300, 200, 0xC06020).Quiet()});
    const HWND window = helper.Windows().front();
    const auto paths = platform::ProcessPathApi::Load();
    const ExclusionList exclusion(platform::EqualIgnoreCaseUser);
    WindowCatalogue catalogue(paths, exclusion);
    catalogue.EnumerateVisible();
    tk::ImageList glyphs;
    glyphs.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 4);
    const ThumbnailRenderer renderer(api, catalogue, glyphs);
    WindowEntry entry;
    entry.handle = window;
    RenderOptions options;
    options.stretch = true;
    tk::Bitmap thumbnail(kThumbWidth, kThumbHeight, tk::PixelFormat::Bgra32);
    tk::Bitmap copy(300, 200, tk::PixelFormat::Bgra32);
    RECT r{};
    GetWindowRect(window, &r);

    // The first capture finds out that the window prints nothing.
    const double first = TimeMs([&] { renderer.RenderThumbnail(entry, thumbnail, options, nullptr); });
    std::vector<double> fallback, bare, copyAlone;
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        copyAlone.push_back(TimeMs([&] {
            platform::WindowDc screen(nullptr);
            BitBlt(copy.Dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen.get(), r.left, r.top,
                   SRCCOPY);
        }));
        const PairMs times = TimePair(
            i, [&] { renderer.RenderThumbnail(entry, thumbnail, options, nullptr); },
            [&] {
                GetWindowRect(window, &r);
                platform::WindowDc screen(nullptr);
                BitBlt(copy.Dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen.get(), r.left,
                       r.top, SRCCOPY);
                SetStretchBltMode(thumbnail.Dc(), COLORONCOLOR);
                StretchBlt(thumbnail.Dc(), 2, 2, kThumbWidth - 4, kThumbHeight - 4, copy.Dc(), 0, 0,
                           r.right - r.left, r.bottom - r.top, SRCCOPY);
            });
        if (i < kWarmUp) continue;
        fallback.push_back(times.measured);
        bare.push_back(times.reference);
    }
    PrintComparison("thumbnail from the screen (300x200 window of another process)",
                    Median(fallback), "rectangle, screen copy and scaling", Median(bare), 1.5);
    Print("  against the screen copy alone (%.3f ms): ratio %.2f\n", Median(copyAlone),
          Median(fallback) / Median(copyAlone));
    Print("  the first capture, which finds that the window prints nothing: %.3f ms\n", first);

    // Where the time goes.
    std::vector<double> rect, screenSize, parts, copyParts, stretch;
    tk::Bitmap full(300, 200, tk::PixelFormat::Bgra32);
    for (int i = 0; i < kSamples; ++i) {
        RECT now{};
        rect.push_back(TimeMs([&] { GetWindowRect(window, &now); }));
        RECT screen{};
        screenSize.push_back(TimeMs([&] { screen = platform::VirtualScreen(); }));
        parts.push_back(TimeMs([&] { catalogue.ShownParts(window, now); }));
        copyParts.push_back(TimeMs([&] {
            platform::WindowDc screenDc(nullptr);
            BitBlt(full.Dc(), 0, 0, 300, 200, screenDc.get(), now.left, now.top, SRCCOPY);
        }));
        stretch.push_back(TimeMs([&] {
            SetStretchBltMode(thumbnail.Dc(), COLORONCOLOR);
            StretchBlt(thumbnail.Dc(), 2, 2, kThumbWidth - 4, kThumbHeight - 4, full.Dc(), 0, 0, 300,
                       200, SRCCOPY);
        }));
    }
    Print("  parts: GetWindowRect %.3f ms, screen bounds (asked once an enumeration) %.3f ms, shown "
          "parts %.3f ms, screen copy "
          "%.3f ms, StretchBlt %.3f ms\n",
          Median(rect), Median(screenSize), Median(parts), Median(copyParts), Median(stretch));
}

void Run() {
    tk::Application::Instance().Initialize();
    const auto api = platform::PrintWindowApi::Load();
    DetectionCost(api);
    FallbackCost(api);
}

}  // namespace
}  // namespace vistrel::bench

int main() { return vistrel::bench::RunBenchmark("screen fallback", vistrel::bench::Run); }
