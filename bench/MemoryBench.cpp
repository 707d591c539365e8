// Vistrel's private memory with 50, 200 and 400 windows listed at the largest
// thumbnail size (the size bar at its greatest position), in MB and in MB a
// listed window. The main window lives in this process, as in the other
// benchmarks, beside the picture windows it lists: what the picture windows
// took when they were made is measured then and left out of the figure.

#include <windows.h>

#include <string>

#include "MainWindowHarness.h"
#include "PictureWindows.h"
#include "ProcessMemory.h"
#include "Timing.h"

namespace vistrel::bench {
namespace {

constexpr int kCounts[] = {50, 200, 400};
constexpr int kPictureWidth = 400;
constexpr int kPictureHeight = 300;
// A rebuild at the largest size takes seconds a hundred windows.
constexpr DWORD kListTimeoutMs = 300000;
// Paints and the tick after a rebuild, before memory is read.
constexpr DWORD kSettleMs = 1500;

long long PrivateKb() { return ReadProcessMemoryFigures(GetCurrentProcess()).privateKb; }

void Run() {
    PictureWindows windows;
    long long windowsKb = 0;  // what making the picture windows took
    const auto growTo = [&](int count) {
        const long long before = PrivateKb();
        windows.AddMany(count - windows.Count(), "Memory window", kPictureWidth, kPictureHeight);
        windowsKb += PrivateKb() - before;
    };
    const long long startKb = PrivateKb();
    growTo(kCounts[0]);
    MainWindowHarness main;
    TPrintWndDlg& dlg = *main;
    const int others = dlg.List().Count() - windows.Count();
    const int position = main.SizeBarMax();
    main.ServeNextTick();
    if (!main.ReleaseSizeBarAt(position))
        Print("memory: the size bar was not found; the figures are at the size the list has\n");
    const ProcessMemory first = ReadProcessMemoryFigures(GetCurrentProcess());
    const int width = dlg.PictureSize().cx;
    const int height = dlg.PictureSize().cy;
    Print("memory: windows of %dx%d into %dx%d thumbnails (size bar at %d); the process started at "
          "%.1f MB%s\n",
          kPictureWidth, kPictureHeight, width, height, position,
          Megabytes(startKb), first.commitCharge ? " (PagefileUsage: PrivateUsage reads 0 here)" : "");

    double firstMb = 0.0;
    int firstListed = 0;
    for (int count : kCounts) {
        growTo(count);
        const int listed = windows.Count() + others;
        if (!main.PumpUntil([&] { return dlg.List().Count() == listed; }, kListTimeoutMs)) {
            Print("memory (%d windows): the list did not follow (%d items); skipped\n", count,
                  dlg.List().Count());
            continue;
        }
        main.PumpFor(kSettleMs);
        const ProcessMemory now = ReadProcessMemoryFigures(GetCurrentProcess());
        const double mb = Megabytes(now.privateKb - windowsKb);
        Print("memory (%d windows listed): private memory %.1f MB, %.2f MB a listed window (the "
              "process %.1f MB less %.1f MB that making the picture windows took; working set "
              "%.1f MB)",
              listed, mb, mb / listed, Megabytes(now.privateKb), Megabytes(windowsKb),
              Megabytes(now.workingSetKb));
        if (firstListed && listed > firstListed)
            Print("; %.2f MB for each window listed since %d", (mb - firstMb) / (listed - firstListed),
                  firstListed);
        Print("\n");
        if (!firstListed) {
            firstListed = listed;
            firstMb = mb;
        }
    }
}

}  // namespace
}  // namespace vistrel::bench

int main() { return vistrel::bench::RunBenchmark("memory", vistrel::bench::Run); }
