// Type to find over a long list: each character typed narrows 500 listed
// windows at once, and the interface thread must stay quick about it. Half the
// titles are Japanese and half Latin; the text typed is romaji, which is
// compared both as typed and as kana, the costliest way to find. The
// characters go to the real main window's list as the keyboard's would.

#include <windows.h>

#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "PictureWindows.h"
#include "Timing.h"

namespace vistrel::bench {
namespace {

constexpr int kWindows = 500;
constexpr double kTargetMs = 5.0;
constexpr int kRounds = 7;

void Run() {
    PictureWindows windows;
    windows.AddMany(kWindows / 2, "Find window", 160, 120);
    windows.AddMany(kWindows - kWindows / 2, "無題 メモ ウィンドウ", 160, 120);
    MainWindowHarness main;
    const HWND list = main->List().Handle();
    Print("find: %d listed windows (Latin and Japanese titles), each further character of \"memo uxindou 12\" "
          "typed into the list, %d rounds\n",
          main->List().Count(), kRounds);
    const std::u16string text = u"memo uxindou 12";
    std::vector<double> narrowing, first, cleared;
    for (int round = 0; round < kRounds; ++round) {
        for (size_t i = 0; i < text.size(); ++i) {
            main.Pump();
            const double ms = TimeMs([&] { SendMessageW(list, WM_CHAR, text[i], 1); });
            // The first character of the first round also learns every
            // window's program file.
            (i == 0 ? first : narrowing).push_back(ms);
        }
        main.Pump();
        cleared.push_back(TimeMs([&] { SendMessageA(list, WM_KEYDOWN, VK_ESCAPE, 1); }));
    }
    const double median = Median(narrowing);
    Print("find: one more character: median %.3f ms (target < %.0f ms: %s); the first character %.3f ms; "
          "Escape, all %d shown again %.3f ms; %d shown at the end of a round\n",
          median, kTargetMs, median < kTargetMs ? "met" : "missed", Median(first), kWindows, Median(cleared),
          main->List().ShownCount());
}

}  // namespace
}  // namespace vistrel::bench

int main() { return vistrel::bench::RunBenchmark("find", vistrel::bench::Run); }
