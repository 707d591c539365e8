// An "Auto" pass over many windows of which few are in view: 200 windows
// listed, the main window sized to show 12 thumbnails. A pass visits every
// listed item in list order (the main window's PassStep, as each of its steps
// does); the least the user could see a difference for is a capture of the 12
// windows in view. The pass is timed without its rest after each capture and
// without the hand-off of each step from the pass thread.

#include <windows.h>

#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "PictureWindows.h"
#include "Timing.h"
#include "toolkit/Bitmap.h"

namespace vistrel::bench {
namespace {

constexpr int kWindows = 200;
constexpr int kColumns = 4;
constexpr int kRows = 3;
constexpr int kSamples = 15;
constexpr int kWarmUp = 2;
constexpr double kTarget = 1.3;

void Run() {
    PictureWindows windows;
    windows.AddMany(kWindows, "Bench window", 400, 300);
    MainWindowHarness main;
    TPrintWndDlg& dlg = *main;
    if (!main.ShowGrid(kColumns, kRows))
        Print("auto pass: the list did not come out as %d rows of %d (%d columns, %d items in "
              "view); measured as it is\n",
              kRows, kColumns, main.ColumnsShown(), static_cast<int>(main.ItemsInView().size()));
    const int listed = dlg.List().Count();
    const int width = dlg.PictureSize().cx;
    const int height = dlg.PictureSize().cy;
    const std::vector<int> inView = main.ItemsInView();
    std::vector<HWND> shown;
    for (int item : inView)
        if (const WindowEntry* entry = dlg.EntryOf(item)) shown.push_back(WindowOf(*entry));
    const int shownCount = static_cast<int>(shown.size());
    Print("auto pass: %d windows of 400x300 (%d listed), %d in view (%d columns), %dx%d "
          "thumbnails, %d samples\n",
          kWindows, listed, shownCount, main.ColumnsShown(), width, height, kSamples);
    tk::Bitmap thumbnail(width, height);

    const auto pass = [&] {
        for (int item = 0; item < dlg.List().Count(); ++item) dlg.PassStep(0, item);
    };
    std::vector<double> passes, bare;
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        main.Pump();  // the items' repaints stay outside the timings
        const PairMs times = TimePair(i, pass, [&] {
            for (HWND window : shown) BareCapture(window, thumbnail.Dc(), width, height);
        });
        if (i < kWarmUp) continue;
        passes.push_back(times.measured);
        bare.push_back(times.reference);
    }
    if (dlg.List().Count() != listed)
        Print("  (the list changed during the run: %d items, then %d)\n", listed,
              dlg.List().Count());
    PrintComparison("auto pass (" + std::to_string(listed) + " listed, " +
                        std::to_string(shownCount) + " in view)",
                    Median(passes), std::to_string(shownCount) + " bare captures of those in view",
                    Median(bare), kTarget);
}

}  // namespace
}  // namespace vistrel::bench

int main() { return vistrel::bench::RunBenchmark("auto pass", vistrel::bench::Run); }
