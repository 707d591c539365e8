// A full refresh list of 100 windows (enumeration, items, a capture each,
// order, grid), against 100 bare captures of the same windows. Then the parts
// of the refresh that are not captures, and how the refresh grows with the
// number of windows: its cost a window at 400 windows against that at 50.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "MessageProfile.h"
#include "PictureWindows.h"
#include "Timing.h"
#include "main/WndCloseIds.h"
#include "toolkit/Bitmap.h"
#include "toolkit/ImageList.h"

namespace vistrel::bench {
namespace {

constexpr int kWindows = 100;
constexpr int kSamples = 15;
constexpr int kWarmUp = 2;
constexpr double kTarget = 1.3;

// The window counts of the scaling, each with its samples: fewer where one
// refresh takes long.
struct ScalingStep {
    int windows;
    int samples;
};
constexpr ScalingStep kScaling[] = {{50, 15}, {100, 15}, {200, 9}, {400, 5}};
constexpr int kPictureWidth = 400;
constexpr int kPictureHeight = 300;
constexpr double kScalingTarget = 1.2;

struct RefreshTimes {
    double refresh = 0.0;  // medians
    double bare = 0.0;
    int samples = 0;
    int spoilt = 0;  // dropped: the list changed during the refresh
};

// Refresh list against a bare capture of every picture window into
// `thumbnail`, `samples` times after the warm-up. A dropped sample is taken
// again, up to `retries` times in all.
RefreshTimes TimeRefreshes(MainWindowHarness& main, const PictureWindows& windows,
                           tk::Bitmap& thumbnail, int samples, int retries = 0) {
    TPrintWndDlg& dlg = *main;
    const int listed = dlg.List().Count();
    std::vector<double> refresh, bare;
    RefreshTimes result;
    for (int i = 0; static_cast<int>(refresh.size()) < samples && i < kWarmUp + samples + retries;
         ++i) {
        // Refresh list serves its own messages once, early on: with the
        // update thread's tick just served, the next one cannot land there
        // and add a tick's time to the refresh.
        main.ServeNextTick();
        const PairMs times = TimePair(
            i, [&] { dlg.RefreshListNow(); },
            [&] {
                for (HWND window : windows.Windows())
                    BareCapture(window, thumbnail.Dc(), thumbnail.Width(), thumbnail.Height());
            });
        if (i < kWarmUp) continue;
        if (dlg.List().Count() != listed) {
            ++result.spoilt;
            main.PumpUntil([&] { return dlg.List().Count() == listed; }, 10000);
            continue;
        }
        refresh.push_back(times.measured);
        bare.push_back(times.reference);
    }
    if (result.spoilt)
        Print("  (%d samples dropped: the list changed during the refresh)\n", result.spoilt);
    result.refresh = Median(refresh);
    result.bare = Median(bare);
    result.samples = static_cast<int>(refresh.size());
    return result;
}

// The refresh at each count of kScaling. `others` is how many listed windows
// are not picture windows.
void Scaling(MainWindowHarness& main, PictureWindows& windows, int others, tk::Bitmap& thumbnail) {
    TPrintWndDlg& dlg = *main;
    std::string samples;
    for (const ScalingStep& step : kScaling)
        samples += (samples.empty() ? "" : ", ") + std::to_string(step.samples) + " at " +
                   std::to_string(step.windows);
    Print("refresh scaling: windows of %dx%d into %dx%d thumbnails; samples %s windows (fewer "
          "where a refresh takes long)\n",
          kPictureWidth, kPictureHeight, thumbnail.Width(), thumbnail.Height(), samples.c_str());
    double firstPerWindow = 0.0, lastPerWindow = 0.0;
    int firstCount = 0, lastCount = 0;
    for (const ScalingStep& step : kScaling) {
        windows.KeepFirst(step.windows);
        windows.AddMany(step.windows - windows.Count(), "Bench window", kPictureWidth,
                        kPictureHeight);
        // The program's own tick takes the new windows in (or lets the closed
        // ones go) before the timing starts.
        const int listed = windows.Count() + others;
        if (!main.PumpUntil([&] { return dlg.List().Count() == listed; }, 60000)) {
            Print("refresh list (%d windows): the list did not follow (%d items); skipped\n",
                  step.windows, dlg.List().Count());
            continue;
        }
        // The longer a refresh, the likelier that a tick of the update
        // thread meets its round of messages and rebuilds the list inside it:
        // such samples are dropped and taken again.
        const RefreshTimes times =
            TimeRefreshes(main, windows, thumbnail, step.samples, step.samples);
        const double perWindow = times.refresh / step.windows;
        Print("refresh list (%d windows): median %.3f ms, %.3f ms a window; %d bare captures "
              "%.3f ms, %.3f ms a capture (%d samples)\n",
              step.windows, times.refresh, perWindow, step.windows, times.bare,
              times.bare / step.windows, times.samples);
        if (!firstCount) {
            firstCount = step.windows;
            firstPerWindow = perWindow;
        }
        lastCount = step.windows;
        lastPerWindow = perWindow;
    }
    if (firstCount && lastCount != firstCount)
        PrintComparison("refresh list a window (" + std::to_string(lastCount) + " windows)",
                        lastPerWindow, "a window at " + std::to_string(firstCount), firstPerWindow,
                        kScalingTarget);
}

void Run() {
    PictureWindows windows;
    windows.AddMany(kWindows, "Bench window", kPictureWidth, kPictureHeight);
    MainWindowHarness main;
    TPrintWndDlg& dlg = *main;
    const int listed = dlg.List().Count();
    const int width = dlg.PictureSize().cx;
    const int height = dlg.PictureSize().cy;
    Print("refresh list: %d windows of 400x300 (%d listed) into %dx%d thumbnails, %d samples\n",
          kWindows, listed, width, height, kSamples);
    tk::Bitmap thumbnail(width, height);

    const RefreshTimes times = TimeRefreshes(main, windows, thumbnail, kSamples);
    PrintComparison("refresh list (100 windows)", times.refresh, "100 bare captures", times.bare,
                    kTarget);

    main.ServeNextTick();
    PrintMessageProfile("refresh", [&] { dlg.RefreshListNow(); }, 12);

    // Filling the image list the way the build used to (emptied, then one
    // picture appended per item, the list growing 16 pictures at a time), from
    // a device bitmap and from a 32-bit DIB; and the way it does now: sized
    // for all pictures at once, each written into its cell.
    tk::ImageList pictures;
    pictures.Create(width, height, ILC_COLOR24, 0, 16);
    tk::Bitmap thumbnail32(width, height, tk::PixelFormat::Bgra32);
    std::vector<double> fills, fills32, presized;
    for (int i = 0; i < 9; ++i) {
        const auto fill = [&](tk::Bitmap& picture) {
            pictures.Clear();
            for (int n = 0; n < kWindows; ++n) pictures.Add(picture);
        };
        fills.push_back(TimeMs([&] { fill(thumbnail); }));
        fills32.push_back(TimeMs([&] { fill(thumbnail32); }));
        presized.push_back(TimeMs([&] {
            pictures.Clear();
            ImageList_SetImageCount(pictures.Handle(), kWindows);
            for (int n = 0; n < kWindows; ++n) pictures.Replace(n, thumbnail32);
        }));
    }

    // What one message costs here: each goes through the toolkit's dispatch.
    const auto perMessageUs = [&](HWND window, UINT message) {
        std::vector<double> samples;
        for (int i = 0; i < 9; ++i)
            samples.push_back(10.0 * TimeMs([&] {
                for (int n = 0; n < 100; ++n) SendMessageA(window, message, 0, 0);
            }));
        return Median(samples);
    };
    Print("  parts: filling the image list with 100 pictures %.3f ms (from a 32-bit DIB %.3f ms, "
          "sized at once and written into the cells %.3f ms); one message to the list view %.1f "
          "us, to a check box %.1f us, to the main window %.1f us\n",
          Median(fills), Median(fills32), Median(presized),
          perMessageUs(dlg.List().Handle(), LVM_GETITEMCOUNT),
          perMessageUs(main.Control(ids::CheckBox2), BM_GETCHECK), perMessageUs(dlg.Handle(), WM_NULL));

    Scaling(main, windows, listed - kWindows, thumbnail);
}

}  // namespace
}  // namespace vistrel::bench

int main() { return vistrel::bench::RunBenchmark("refresh list", vistrel::bench::Run); }
