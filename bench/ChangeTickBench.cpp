// The change tick with nothing changed, against the least such a check can
// do: one enumeration with IsIconic and GetWindowTextA for every top-level
// window. Measured twice: with the 200 windows in this process (as the other
// benchmarks have them) and with 200 windows of another process, as a user
// has them (there every window call is a round trip to the wineserver).
// Then where the time goes: the tick's parts and the cost of each call.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "MainWindowHarness.h"
#include "MessageProfile.h"
#include "PictureWindows.h"
#include "TestWindows.h"
#include "Timing.h"
#include "catalogue/WindowCatalogue.h"
#include "exclusion/ExclusionList.h"
#include "platform/Locale.h"
#include "platform/OptionalApis.h"
#include "platform/WindowFacts.h"

namespace vistrel::bench {
namespace {

constexpr int kWindows = 200;
constexpr int kSamples = 50;
constexpr int kWarmUp = 5;
// Against the bare loop: our own windows cost the tick's own work, another
// process's windows a round trip per question.
constexpr double kTargetOwnProcess = 1.5;
constexpr double kTargetOtherProcess = 1.25;

struct BareState {
    int windows = 0;
    int iconic = 0;
    char title[256];
};

BOOL CALLBACK BareVisit(HWND window, LPARAM param) {
    auto* state = reinterpret_cast<BareState*>(param);
    ++state->windows;
    if (IsIconic(window)) ++state->iconic;
    GetWindowTextA(window, state->title, sizeof state->title);
    return TRUE;
}

int BareLoop() {
    BareState state;
    EnumWindows(BareVisit, reinterpret_cast<LPARAM>(&state));
    return state.windows;
}

struct Census {
    int all = 0;
    int visible = 0;
};

Census CountTopLevel() {
    Census census;
    platform::ForEachTopLevelWindow([&](HWND window) {
        ++census.all;
        if (IsWindowVisible(window)) ++census.visible;
        return true;
    });
    return census;
}

void CompareTicks(MainWindowHarness& main, const std::string& what, double target) {
    std::vector<double> ticks;
    std::vector<double> bare;
    const int items = main->List().Count();
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        main.Pump();  // paints and the update thread's own tick stay outside the timings
        const PairMs times = TimePair(i, [&] { main->ChangeTick(); }, [] { BareLoop(); });
        if (i < kWarmUp) continue;
        ticks.push_back(times.measured);
        bare.push_back(times.reference);
    }
    if (main->List().Count() != items)
        Print("  (the list changed during the run: %d items, then %d; not a quiet tick)\n", items,
              main->List().Count());
    PrintComparison(what, Median(ticks), "bare loop", Median(bare), target);
}

// Median microseconds per call of `call` over the listed windows.
template <class Call>
double PerCallUs(MainWindowHarness& main, Call call) {
    std::vector<HWND> windows;
    for (int i = 0; i < main->List().Count(); ++i)
        if (const WindowEntry* entry = main->EntryOf(i)) windows.push_back(WindowOf(*entry));
    if (windows.empty()) return 0.0;
    std::vector<double> samples;
    for (int round = 0; round < 15; ++round) {
        const double ms = TimeMs([&] {
            for (size_t i = 0; i < windows.size(); ++i) call(windows[i], static_cast<int>(i));
        });
        samples.push_back(ms * 1000.0 / static_cast<double>(windows.size()));
    }
    return Median(samples);
}

void Profile(MainWindowHarness& main) {
    TPrintWndDlg& dlg = *main;
    const Census census = CountTopLevel();
    const int items = dlg.List().Count();
    Print("  windows: %d top-level, %d visible, %d listed\n", census.all, census.visible, items);

    // The tick's two loops, rebuilt from public parts: the qualifying
    // enumeration (a catalogue of our own) and the reading of every item.
    const auto paths = platform::ProcessPathApi::Load();
    const ExclusionList exclusion(platform::EqualIgnoreCaseUser);
    WindowCatalogue catalogue(paths, exclusion);
    std::vector<double> enumeration, reads, ticks;
    for (int round = 0; round < 21; ++round) {
        main.Pump();
        ticks.push_back(TimeMs([&] { dlg.ChangeTick(); }));
        enumeration.push_back(TimeMs([&] { catalogue.EnumerateListed(false); }));
        reads.push_back(TimeMs([&] {
            for (int i = 0; i < items; ++i) {
                const WindowEntry* entry = dlg.EntryOf(i);
                if (!entry) break;
                volatile bool iconic = platform::IsMinimised(WindowOf(*entry));
                const std::u16string caption = dlg.List().Caption(i);
                const std::u16string title = platform::WindowTitle(WindowOf(*entry));
                (void)iconic;
                if (caption != title) break;
            }
        }));
    }
    Print("  parts, measured apart: qualifying enumeration %.3f ms; reading the %d items (data, "
          "IsIconic, caption, title) %.3f ms; whole tick %.3f ms\n",
          Median(enumeration), items, Median(reads), Median(ticks));

    PrintMessageProfile("tick", [&] { dlg.ChangeTick(); }, 5);

    // What one call costs here, in microseconds.
    constexpr int kText = 256;
    char buffer[kText];
    const HWND listView = dlg.List().Handle();
    const auto listViewProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(listView, GCLP_WNDPROC));
    struct Row {
        const char* name;
        double us;
    };
    const platform::CloakApi cloak = platform::CloakApi::Load();
    const Row rows[] = {
        {"GetWindowLongA(GWL_STYLE)", PerCallUs(main, [](HWND w, int) { GetWindowLongA(w, GWL_STYLE); })},
        {"IsWindowVisible", PerCallUs(main, [](HWND w, int) { IsWindowVisible(w); })},
        {"IsIconic", PerCallUs(main, [](HWND w, int) { IsIconic(w); })},
        {"GetWindowTextA", PerCallUs(main, [&](HWND w, int) { GetWindowTextA(w, buffer, kText); })},
        {"GetClassNameA", PerCallUs(main, [&](HWND w, int) { GetClassNameA(w, buffer, kText); })},
        {"GetWindowRect", PerCallUs(main, [](HWND w, int) { platform::WindowRect(w); })},
        {"GetWindow(GW_OWNER)", PerCallUs(main, [](HWND w, int) { GetWindow(w, GW_OWNER); })},
        {"GetParent", PerCallUs(main, [](HWND w, int) { GetParent(w); })},
        {"cloaked (DwmGetWindowAttribute)", PerCallUs(main, [&](HWND w, int) { cloak.Cloaked(w); })},
        {"Qualifies (List)",
         PerCallUs(main, [&](HWND w, int) { catalogue.Qualifies(w, QualifyMode::List); })},
        {"item data (LVM_GETITEM)", PerCallUs(main, [&](HWND, int i) { dlg.EntryOf(i); })},
        {"item caption (LVM_GETITEMTEXT)",
         PerCallUs(main, [&](HWND, int i) { dlg.List().Caption(i); })},
        // Where a list-view message's time goes: the control's own window
        // procedure, and the property look-up that subclassing does per call.
        {"LVM_GETITEM to the list view's own procedure", PerCallUs(main, [&](HWND, int i) {
             LVITEMA request{};
             request.mask = LVIF_PARAM;
             request.iItem = i;
             const auto param = reinterpret_cast<LPARAM>(&request);
             CallWindowProcW(listViewProc, listView, LVM_GETITEMA, 0, param);
         })},
        {"GetPropW", PerCallUs(main, [&](HWND, int) { GetPropW(listView, L"CC32SubclassInfo"); })},
    };
    Print("  cost per call over the listed windows:");
    for (const Row& row : rows) Print(" %s %.2f us;", row.name, row.us);
    Print("\n");
}

void Run() {
    Print("change tick: %d titled windows, nothing changing, %d samples\n", kWindows, kSamples);
    PictureWindows windows;
    windows.AddMany(kWindows, "Bench window", 120, 90);
    MainWindowHarness main;
    const int listed = main->List().Count();
    CompareTicks(main, "change tick (200 windows of this process)", kTargetOwnProcess);
    Profile(main);

    // The same number of windows in a process of their own. The list follows
    // through the program's own ticks: empty first, so that the count changes
    // both ways.
    windows.CloseAll();
    if (!main.PumpUntil([&] { return main->List().Count() == listed - kWindows; }, 20000)) {
        Print("change tick: the list did not drop the closed windows; other-process run skipped\n");
        return;
    }
    std::vector<e2e::WindowPlan> plans;
    for (int i = 0; i < kWindows; ++i) {
        char title[64];
        std::snprintf(title, sizeof title, "Helper window %03d", i + 1);
        plans.push_back(
            e2e::Plan(e2e::Kind::Frame, title, (i % 25) * 40, (i / 25) * 90, 120, 90).Quiet());
    }
    auto helper = e2e::TestWindows::StartExe(plans);
    if (!main.PumpUntil([&] { return main->List().Count() == listed; }, 60000)) {
        Print("change tick: the list did not take in the helper's windows (%d items); skipped\n",
              main->List().Count());
        return;
    }
    CompareTicks(main, "change tick (200 windows of another process)", kTargetOtherProcess);
    Profile(main);
}

}  // namespace
}  // namespace vistrel::bench

int main() { return vistrel::bench::RunBenchmark("change tick", vistrel::bench::Run); }
