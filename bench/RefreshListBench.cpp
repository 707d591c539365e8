// A full refresh list of 100 windows (enumeration, items, a capture each,
// order, grid), against 100 bare captures of the same windows. Then the parts
// of the refresh that are not captures.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "MessageProfile.h"
#include "PictureWindows.h"
#include "Timing.h"
#include "platform/WindowFacts.h"
#include "toolkit/Bitmap.h"
#include "toolkit/ImageList.h"

namespace vistrel::bench {
namespace {

// The "Stretch" check box: a control of the main window like any other.
HWND StretchBox(const TPrintWndDlg& dlg) {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumChildWindows(
        dlg.Handle(),
        [](HWND child, LPARAM param) {
            char text[16] = {};
            GetWindowTextA(child, text, sizeof text);
            if (lstrcmpA(text, "Stretch") != 0) return TRUE;
            reinterpret_cast<Search*>(param)->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

constexpr int kWindows = 100;
constexpr int kSamples = 15;
constexpr int kWarmUp = 2;
constexpr double kTarget = 1.3;

void Run() {
    PictureWindows windows;
    windows.AddMany(kWindows, "Bench window", 400, 300);
    MainWindowHarness main;
    TPrintWndDlg& dlg = *main;
    const int listed = dlg.List().Count();
    const int width = dlg.PictureSize().cx;
    const int height = dlg.PictureSize().cy;
    Print("refresh list: %d windows of 400x300 (%d listed) into %dx%d thumbnails, %d samples\n",
          kWindows, listed, width, height, kSamples);
    tk::Bitmap thumbnail(width, height);

    std::vector<double> refresh, bare;
    int spoilt = 0;
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        // Refresh list serves its own messages once, early on: with the
        // update thread's tick just served, the next one cannot land there
        // and add a tick's time to the refresh.
        main.ServeNextTick();
        const PairMs times = TimePair(
            i, [&] { dlg.RefreshList(); },
            [&] {
                for (HWND window : windows.Windows())
                    BareCapture(window, thumbnail.Dc(), width, height);
            });
        if (i < kWarmUp) continue;
        if (dlg.List().Count() != listed) {
            ++spoilt;
            main.PumpUntil([&] { return dlg.List().Count() == listed; }, 10000);
            continue;
        }
        refresh.push_back(times.measured);
        bare.push_back(times.reference);
    }
    if (spoilt) Print("  (%d samples dropped: the list changed during the refresh)\n", spoilt);
    PrintComparison("refresh list (100 windows)", Median(refresh), "100 bare captures",
                    Median(bare), kTarget);

    main.ServeNextTick();
    PrintMessageProfile("refresh", [&] { dlg.RefreshList(); }, 12);

    // What a refresh does besides capturing: every open listed window is
    // redrawn at once after its capture.
    std::vector<double> redraws;
    for (int i = 0; i < 9; ++i) {
        main.Pump();
        redraws.push_back(TimeMs([&] {
            for (HWND window : windows.Windows()) platform::RedrawNow(window);
        }));
    }

    // Filling the image list, as the build does (emptied, then one picture
    // appended per item, the list growing 16 pictures at a time), from the
    // build bitmap as it is (a device bitmap) and from a 32-bit DIB; and, for
    // comparison, sized for all pictures at once and then filled in place.
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
    Print("  parts: redrawing the 100 windows at once %.3f ms; filling the image list with 100 "
          "pictures %.3f ms (from a 32-bit DIB %.3f ms, sized at once and from a 32-bit DIB %.3f "
          "ms); one message to the list view %.1f us, to a check box %.1f us, to the main window "
          "%.1f us\n",
          Median(redraws), Median(fills), Median(fills32), Median(presized),
          perMessageUs(dlg.List().Handle(), LVM_GETITEMCOUNT),
          perMessageUs(StretchBox(dlg), BM_GETCHECK), perMessageUs(dlg.Handle(), WM_NULL));
}

}  // namespace
}  // namespace vistrel::bench

int main() { return vistrel::bench::RunBenchmark("refresh list", vistrel::bench::Run); }
