// The clipping list window's two costs. One capture cycle of 40 regions of
// 10 windows (each window printed once, its four regions scaled from that
// one picture into the window's picture list) against the bare work: 10
// prints into bitmaps of the windows' size and 40 StretchBlts of the same
// sizes. Then one paint of its grid of 40 cells at zoom 100, the selected
// cell's tint included, with the GDI objects counted around many paints.

#include <windows.h>

#include <memory>
#include <vector>

#include "PictureWindows.h"
#include "Timing.h"
#include "catalogue/ThumbnailRenderer.h"
#include "catalogue/WindowCatalogue.h"
#include "clipping/TrimViewUnit.h"
#include "exclusion/ExclusionList.h"
#include "platform/Locale.h"
#include "platform/OptionalApis.h"
#include "platform/WindowDc.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/GdiOwners.h"
#include "toolkit/ImageList.h"

namespace vistrel::bench {
namespace {

constexpr int kWindows = 10;
constexpr int kRegionsEach = 4;
constexpr int kWindowWidth = 640, kWindowHeight = 480;
constexpr int kPictureWidth = 140, kPictureHeight = 120;
constexpr int kSamples = 21;
constexpr double kCycleTarget = 1.5;
constexpr double kPaintBudgetMs = 5.0;

// The list window's side of the pictures without its window: the pass
// appends until the total is reached, then overwrites at the cursor.
class PictureSink : public RegionSink {
public:
    PictureSink() { pictures.Create(kPictureWidth, kPictureHeight, ILC_COLOR24, 0, 4); }
    int Count() const override { return pictures.Count(); }
    int RegionTotal() const override { return kWindows * kRegionsEach; }
    void Append(tk::Bitmap& picture) override { pictures.Add(picture); }
    void Overwrite(int index, tk::Bitmap& picture) override { pictures.Replace(index, picture); }
    int& Cursor() override { return cursor; }
    void Rearrange(const std::vector<int>&) override {}
    tk::ImageList pictures;
    int cursor = 0;
};

ClipSet FourRegions() {
    ClipSet set{};
    for (int i = 0; i < kRegionsEach; ++i) set[i] = {40 + 100 * i, 30 + 60 * i, 160, 120};
    return set;
}

void TimeCycle(const std::vector<HWND>& windows, const tk::ImageList& glyphs) {
    const auto printApi = platform::PrintWindowApi::Load();
    const auto paths = platform::ProcessPathApi::Load();
    const ExclusionList exclusion(platform::EqualIgnoreCaseUser);
    const WindowCatalogue catalogue(paths, exclusion);
    const ThumbnailRenderer renderer(printApi, catalogue, glyphs);
    std::vector<WindowEntry> entries(windows.size());
    for (size_t i = 0; i < windows.size(); ++i) {
        entries[i].handle = windows[i];
        entries[i].clips = std::make_unique<ClipSet>(FourRegions());
    }
    PictureSink sink;
    RenderOptions options;
    options.autoChecked = true;
    tk::Bitmap target(kPictureWidth, kPictureHeight, tk::PixelFormat::Bgr24);
    tk::Bitmap bareTarget(kPictureWidth, kPictureHeight, tk::PixelFormat::Bgr24);
    auto cycle = [&] {
        sink.cursor = 0;
        for (const WindowEntry& entry : entries) renderer.RenderThumbnail(entry, target, options, &sink);
    };
    const ClipSet regions = FourRegions();
    auto bare = [&] {
        for (HWND window : windows) {
            platform::WindowDc windowDc(window, platform::WindowDc::Whole);
            tk::MemoryDcOwner captureDc(CreateCompatibleDC(windowDc.get()));
            tk::BitmapOwner capture(CreateCompatibleBitmap(windowDc.get(), kWindowWidth, kWindowHeight));
            tk::Selection selected(captureDc.get(), capture.get());
            PrintWindow(window, captureDc.get(), 0);
            for (int r = 0; r < kRegionsEach; ++r)
                StretchBlt(bareTarget.Dc(), 2, 2, kPictureWidth - 4, kPictureHeight - 4, captureDc.get(),
                           regions[r].x, regions[r].y, regions[r].width, regions[r].height, SRCCOPY);
        }
    };
    cycle();  // the first cycle fills the list; the timed ones overwrite
    std::vector<double> measured, reference;
    for (int i = 0; i < kSamples; ++i) {
        const PairMs times = TimePair(i, cycle, bare);
        measured.push_back(times.measured);
        reference.push_back(times.reference);
    }
    Print("clipping list cycle: %d windows of %dx%d, %d regions each, into %dx%d pictures, %d samples\n",
          kWindows, kWindowWidth, kWindowHeight, kRegionsEach, kPictureWidth, kPictureHeight, kSamples);
    PrintComparison("capture cycle of 40 regions", Median(measured), "10 prints + 40 StretchBlts",
                    Median(reference), kCycleTarget);
}

// The main window's part, for a list window on its own.
class BenchHost : public TrimViewHost {
public:
    BenchHost() {
        glyphs.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4);
        for (int i = 0; i < kWindows * kRegionsEach; ++i)
            rows.push_back({nullptr, i, i / kRegionsEach, i % kRegionsEach});
    }
    std::vector<RegionRow>& RegionRows() override { return rows; }
    bool TakeRegionsChanged() override { return false; }
    int RegionTotal() const override { return static_cast<int>(rows.size()); }
    int& RegionCursor() override { return cursor; }
    int CaptureInterval() const override { return interval; }
    void SetCaptureInterval(int milliseconds) override { interval = milliseconds; }
    bool AutoUpdating() const override { return true; }
    void SetAutoUpdating(bool) override {}
    void ActivateRegionWindow(const RegionRow&) override {}
    void HideRegion(const RegionRow&) override {}
    int CpuValue() const override { return 42; }
    COLORREF CpuColour() const override { return 0x81D9FE; }
    const tk::ImageList& Glyphs() const override { return glyphs; }
    SIZE PictureSize() const override { return {kPictureWidth, kPictureHeight}; }

    std::vector<RegionRow> rows;
    tk::ImageList glyphs;
    int cursor = 0;
    int interval = 1000;
};

void TimeGridPaint() {
    BenchHost host;
    TTrimViewDlg dialog(host, nullptr);
    // Eight columns of five rows, all on the screen at zoom 100.
    SetWindowPos(dialog.Handle(), nullptr, 0, 0, 8 * kPictureWidth + 81 + 40, 5 * kPictureHeight + 80,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    dialog.Show();
    tk::Bitmap picture(kPictureWidth, kPictureHeight, tk::PixelFormat::Bgr24);
    for (int i = 0; i < kWindows * kRegionsEach; ++i) {
        picture.GetCanvas().SetBrushColor(RGB(20 * (i % 12), 255 - 5 * i, 60));
        picture.GetCanvas().FillRect({0, 0, kPictureWidth, kPictureHeight});
        dialog.Append(picture);
    }
    // Eight columns, as a click on the arrows would choose them.
    SendMessageA(dialog.UpDown1.Handle(), UDM_SETPOS32, 0, 8);
    SendMessageA(dialog.Panel1.Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 8),
                 reinterpret_cast<LPARAM>(dialog.UpDown1.Handle()));
    dialog.StringGrid1.SetSelection({2, 1, 3, 2});  // four tinted cells
    tk::Application::Instance().ProcessMessages();

    auto paint = [&] { RedrawWindow(dialog.StringGrid1.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
    paint();
    std::vector<double> samples;
    for (int i = 0; i < kSamples; ++i) samples.push_back(TimeMs(paint));
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 500; ++i) paint();
    const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    Print("clipping list grid: %d x %d cells of %dx%d at zoom 100, four selected\n", dialog.StringGrid1.ColCount(),
          dialog.StringGrid1.RowCount(), kPictureWidth, kPictureHeight);
    // Wine counts no GDI objects here (both read 0); Windows does.
    Print("grid paint: median %.3f ms (budget %.1f ms: %s); GDI objects %lu before 500 paints, %lu after\n",
          Median(samples), kPaintBudgetMs, Median(samples) < kPaintBudgetMs ? "met" : "NOT met",
          static_cast<unsigned long>(before), static_cast<unsigned long>(after));
    dialog.Hide();
}

void Run() {
    PictureWindows windows;
    for (int i = 0; i < kWindows; ++i)
        windows.Add("Bench clipped " + std::to_string(i), 20 * i, 20 * i, kWindowWidth, kWindowHeight);
    BenchHost host;
    TimeCycle(windows.Windows(), host.glyphs);
    TimeGridPaint();
}

}  // namespace
}  // namespace vistrel::bench

int main() { return vistrel::bench::RunBenchmark("clipping list", vistrel::bench::Run); }
