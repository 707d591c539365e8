// The figures the end-to-end tests leave out: how soon the change tick shows
// a renamed window under its new title, and how often "Auto" pictures the
// windows it updates. The real Vistrel.exe, with the helper's windows inside
// its process (PrintWindow reaches no other process under Wine) and "Auto" at
// a 300 ms interval.

#include <windows.h>

#include <string>
#include <vector>

#include "ListWaits.h"
#include "SettingsKeyAside.h"
#include "TestWindows.h"
#include "Timing.h"
#include "VistrelProcess.h"

namespace vistrel::bench {
namespace {

constexpr uint32_t kIntervalMs = 300;
constexpr DWORD kMeasureMs = 10000;
constexpr int kRenames = 10;
constexpr unsigned kTickPauseMs = 500;  // the update thread's pause between ticks

void Run() {
    SettingsKeyAside settings;
    e2e::VistrelOptions options;
    options.settingsKey = e2e::VistrelOptions::Key::Present;
    options.tims = kIntervalMs;
    auto vistrel = e2e::VistrelProcess::Start(options);
    {
        auto guest = vistrel.InjectTestWindows();
        const HWND open =
            guest.Create(e2e::Plan(e2e::Kind::Frame, "Bench open", 720, 80, 300, 200, 0x3050D0).Quiet());
        const HWND minimised = guest.Create(
            e2e::Plan(e2e::Kind::Frame, "Bench minimised", 760, 400, 300, 200, 0x40B040).Quiet());
        e2e::WaitForTitles(vistrel, {"Bench open", "Bench minimised"});
        guest.Minimise(minimised);
        vistrel.Command(ids::ToolButton1);

        std::vector<double> reactions;
        for (int i = 0; i < kRenames; ++i) {
            const std::string title = "Bench renamed " + std::to_string(i + 1);
            const double start = NowMs();
            guest.Rename(open, title);
            e2e::WaitForTitles(vistrel, {title});
            reactions.push_back(NowMs() - start);
        }
        Print("change tick: a renamed window shows its new title after a median %.0f ms over %d "
              "renames (a tick every %u ms: up to about that long is expected)\n",
              Median(reactions), kRenames, kTickPauseMs);

        guest.ResetCounts(open);
        guest.ResetCounts(minimised);
        vistrel.ClickCheckBox(ids::AutoChkBox);
        const double start = NowMs();
        Sleep(kMeasureMs);
        vistrel.ClickCheckBox(ids::AutoChkBox);
        const double seconds = (NowMs() - start) / 1000.0;
        const double periods = seconds * 1000.0 / kIntervalMs;
        const double openRate = guest.PrintCount(open) / seconds;
        const double minimisedRate = guest.PrintCount(minimised) / seconds;
        const double passRate = periods / seconds;
        Print("auto update (interval %u ms, %.1f s): the open window pictured %.2f times a second "
              "(a pass every period: %.2f), the minimised one %.2f (every sixth pass: %.2f)\n",
              kIntervalMs, seconds, openRate, passRate, minimisedRate, passRate / 6.0);
    }
    vistrel.Close();
}

}  // namespace
}  // namespace vistrel::bench

int main() { return vistrel::bench::RunBenchmark("auto update", vistrel::bench::Run); }
