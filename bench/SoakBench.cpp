// A long run of "Auto" at its fastest, for leaks: the real Vistrel.exe
// listing 400 windows (half of another process, pictured from the screen
// under Wine; half inside Vistrel's process, where PrintWindow reaches them),
// those in view recaptured by a pass every 100 ms, the list scrolled on by a
// page at every sample so that the passes meet new thumbnails. Vistrel's GDI and USER
// objects, handles and private memory are read at the start and at the end
// (and in between): none of them may grow. Wine counts neither GDI and USER
// objects nor handles of another process: under Wine the private memory (and
// the working set, printed beside it) is what the run can show.
//
// bench_soak.exe [seconds]: ten minutes unless told otherwise.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ListWaits.h"
#include "ProcessMemory.h"
#include "SettingsKeyAside.h"
#include "TestWindows.h"
#include "Timing.h"
#include "VistrelProcess.h"

namespace vistrel::bench {
namespace {

constexpr int kWindows = 400;
constexpr uint32_t kIntervalMs = 100;
constexpr int kDefaultSeconds = 600;
constexpr int kSamples = 10;
constexpr int kScrollPagePx = 600;  // ten pages stay short of the end of the list  // lines printed between the start and the end
// The first passes fill what a pass keeps (thumbnails, work bitmaps): the
// start is read once they have run.
constexpr DWORD kWarmUpMs = 10000;
// The heap's own slack: private memory that moves by less is no growth.
constexpr long long kMemoryAllowanceKb = 1024;

int seconds = kDefaultSeconds;

struct Resources {
    DWORD gdi = 0;
    DWORD user = 0;
    DWORD handles = 0;
    ProcessMemory memory;
};

Resources Read(HANDLE process) {
    Resources r;
    r.gdi = GetGuiResources(process, GR_GDIOBJECTS);
    r.user = GetGuiResources(process, GR_USEROBJECTS);
    GetProcessHandleCount(process, &r.handles);
    r.memory = ReadProcessMemoryFigures(process);
    return r;
}

void PrintLine(const char* when, double elapsedS, const Resources& r) {
    Print("soak %-5s %6.0f s: GDI objects %lu, USER objects %lu, handles %lu, private memory %lld KiB%s, "
          "working set %lld KiB\n",
          when, elapsedS, r.gdi, r.user, r.handles, r.memory.privateKb, r.memory.commitCharge ? " (PagefileUsage)" : "",
          r.memory.workingSetKb);
}

const char* Verdict(long long growth, long long allowance = 0) { return growth <= allowance ? "no growth" : "GREW"; }

std::vector<e2e::WindowPlan> Plans(const char* prefix, int count, int firstRow) {
    std::vector<e2e::WindowPlan> plans;
    for (int i = 0; i < count; ++i) {
        char title[64];
        std::snprintf(title, sizeof title, "%s %03d", prefix, i + 1);
        const int x = (i % 20) * 60, y = 40 + (firstRow + i / 20) * 45;
        const uint32_t colour = 0x101010u * static_cast<uint32_t>(i % 15) + 0x2050A0u;
        plans.push_back(e2e::Plan(e2e::Kind::Frame, title, x, y, 180, 120, colour).Quiet());
    }
    return plans;
}

void Run() {
    SettingsKeyAside settings;
    e2e::VistrelOptions options;
    options.settingsKey = e2e::VistrelOptions::Key::Present;
    options.tims = kIntervalMs;
    auto outside = e2e::TestWindows::StartExe(Plans("Soak outside", kWindows / 2, 0));
    auto vistrel = e2e::VistrelProcess::Start(options);
    {
        auto inside = vistrel.InjectTestWindows();
        std::vector<HWND> insideWindows;
        for (const e2e::WindowPlan& plan : Plans("Soak inside", kWindows - kWindows / 2, 10))
            insideWindows.push_back(inside.Create(plan));
        // The pictures taken of the windows inside: proof that the passes ran.
        const auto pictures = [&] {
            unsigned total = 0;
            for (HWND window : insideWindows) total += inside.PrintCount(window);
            return total;
        };
        vistrel.Command(ids::ToolButton1);
        e2e::WaitFor([&] { return e2e::Settled([&] { return vistrel.ItemCount() >= kWindows; }); }, 60000,
                     "Vistrel to list the soak's windows");
        Print("soak: Vistrel.exe listing %d items, Auto every %u ms, for %d s\n", vistrel.ItemCount(), kIntervalMs,
              seconds);

        // The windows inside came last, so they follow the others in the list:
        // the view starts at the first of them, and pages on from there.
        vistrel.Send(ids::ListView1, LVM_ENSUREVISIBLE, vistrel.ItemCount() - static_cast<int>(insideWindows.size()),
                     FALSE);
        vistrel.ClickCheckBox(ids::AutoChkBox);
        Sleep(kWarmUpMs);
        const HANDLE process = vistrel.ProcessHandle();
        const double origin = NowMs();
        const Resources first = Read(process);
        const unsigned picturesBefore = pictures();
        PrintLine("start", 0, first);
        Resources last = first;
        for (int sample = 1; sample <= kSamples; ++sample) {
            const double due = origin + seconds * 1000.0 * sample / kSamples;
            const double now = NowMs();
            if (due > now) Sleep(static_cast<DWORD>(due - now));
            last = Read(process);
            vistrel.Send(ids::ListView1, LVM_SCROLL, 0, kScrollPagePx);
            PrintLine(sample == kSamples ? "end" : "", (NowMs() - origin) / 1000.0, last);
        }
        const unsigned picturesTaken = pictures() - picturesBefore;
        vistrel.ClickCheckBox(ids::AutoChkBox);
        const int insideCount = static_cast<int>(insideWindows.size());
        Print("soak: %u pictures of the %d windows inside Vistrel's process (the passes picture those in "
              "view), %.2f a window a second\n",
              picturesTaken, insideCount, picturesTaken / (seconds * static_cast<double>(insideCount)));

        const auto growth = [](DWORD a, DWORD b) { return static_cast<long long>(b) - static_cast<long long>(a); };
        if (first.gdi == 0 && first.user == 0 && last.gdi == 0 && last.user == 0)
            Print("soak: GetGuiResources reads 0 for GDI and USER objects here (Wine does not count them)\n");
        if (first.handles == 0 && last.handles == 0)
            Print("soak: GetProcessHandleCount reads 0 here (Wine does not count another process's handles)\n");
        if (first.memory.commitCharge)
            Print("soak: PrivateUsage reads 0 here; private memory is PagefileUsage, the same commit charge "
                  "on Windows\n");
        Print("soak growth over %d s: GDI objects %+lld (%s), USER objects %+lld (%s), handles %+lld (%s), "
              "private memory %+lld KiB (%s; up to %lld KiB is heap slack), working set %+lld KiB\n",
              seconds, growth(first.gdi, last.gdi), Verdict(growth(first.gdi, last.gdi)), growth(first.user, last.user),
              Verdict(growth(first.user, last.user)), growth(first.handles, last.handles),
              Verdict(growth(first.handles, last.handles)), last.memory.privateKb - first.memory.privateKb,
              Verdict(last.memory.privateKb - first.memory.privateKb, kMemoryAllowanceKb), kMemoryAllowanceKb,
              last.memory.workingSetKb - first.memory.workingSetKb);
    }
    vistrel.Close();
}

}  // namespace
}  // namespace vistrel::bench

int main(int argc, char** argv) {
    if (argc > 1) vistrel::bench::seconds = std::max(1, std::atoi(argv[1]));
    return vistrel::bench::RunBenchmark("soak", vistrel::bench::Run);
}
