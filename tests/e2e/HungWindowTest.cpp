// A listed window that stops answering must not stop Vistrel: while it
// hangs, automatic passes and the refresh command go on around it and the
// main window keeps answering. The window hangs until the test wakes it, and
// Vistrel is probed twice at every look at its progress: a Vistrel that
// waited for the window would leave the probes unanswered until the wake.
// (A stall that ends by itself within the probes' generous bound passes
// here; how quickly Vistrel answers is a figure for a benchmark.)
//
// A sent WM_NULL is answered even by a thread that is itself stuck in a
// SendMessage to the hung window (a thread waiting for its own sent message
// still serves the ones sent to it), so it alone would miss such a freeze.
// The second probe goes through the message queue, as input and painting
// do: a posted LVM_SETHOVERTIME to the list view, read back with
// LVM_GETHOVERTIME. The hover time means nothing to a list view without
// hot tracking, so the probe changes nothing the user sees.
//
// Progress is what a witness window inside Vistrel's process receives: a
// print request for each pass and each refresh.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

constexpr int kHangBoundMs = 60000;
constexpr UINT kProbeTimeoutMs = 10000;
constexpr int kProgressTimeoutMs = 30000;

struct HangCase {
    const char* name;
    bool insideVistrel;  // the hung window lives in Vistrel's own process
    bool autoOn;
    bool refreshCommands;
};

void PrintTo(const HangCase& c, std::ostream* out) { *out << c.name; }

class HungWindowTest : public NeedsVistrel<::testing::TestWithParam<HangCase>> {};

bool Answers(HWND window, UINT timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

// True once the posted value has been dispatched by the list's message loop.
bool QueueServed(HWND list, DWORD value, UINT timeoutMs) {
    if (!PostMessageA(list, LVM_SETHOVERTIME, 0, static_cast<LPARAM>(value))) return false;
    return WaitUntil(
        [&] {
            DWORD_PTR current = 0;
            return SendMessageTimeoutA(list, LVM_GETHOVERTIME, 0, 0, SMTO_NORMAL, 200, &current) && current == value;
        },
        static_cast<int>(timeoutMs));
}

TEST_P(HungWindowTest, VistrelKeepsAnswering) {
    const HangCase& c = GetParam();
    VistrelOptions options;
    options.settingsKey = VistrelOptions::Key::Present;
    options.tims = 300;
    VistrelProcess app = VistrelProcess::Start(options);
    {
        TestWindows guest = app.InjectTestWindows();
        std::optional<TestWindows> otherProgram;
        if (!c.insideVistrel) otherProgram.emplace(TestWindows::StartExe());
        TestWindows& helper = otherProgram ? *otherProgram : guest;
        const ThumbnailProbe probe(app);
        const HWND witness =
            guest.Create(Plan(Kind::Frame, "Hang witness", kBesideVistrelX, 80, 300, 200, 0x40B040).Quiet());
        // A group of its own: only this window's thread hangs.
        const HWND sleepy = helper.Create(
            Plan(Kind::Frame, "Hang sleepy", kBesideVistrelX + 40, 400, 300, 200, 0x3050D0).Quiet().InGroup(1));
        probe.WaitForItem("Hang witness");
        probe.WaitForItem("Hang sleepy");
        if (c.autoOn) app.ClickCheckBox(ids::AutoChkBox);

        helper.Hang(sleepy, kHangBoundMs);
        helper.WaitForState(sleepy, [](const TestWindowState& s) { return s.hanging; }, 5000, "the hang");

        int probes = 0, unanswered = 0, unserved = 0;
        DWORD hoverTime = 1000;
        auto probeVistrel = [&] {
            if (!Answers(app.MainWindow(), kProbeTimeoutMs)) ++unanswered;
            if (!QueueServed(probe.List(), ++hoverTime, kProbeTimeoutMs)) ++unserved;
            ++probes;
        };
        // Passes, or a refresh, that reach the witness while the window hangs.
        auto goOnAround = [&](const std::string& when) {
            if (c.refreshCommands) app.PostCommand(ids::ToolButton1);
            const unsigned target = guest.PrintCount(witness) + (c.autoOn ? 3 : 1);
            WaitFor(
                [&] {
                    probeVistrel();
                    return guest.PrintCount(witness) >= target;
                },
                kProgressTimeoutMs, (c.autoOn ? "three passes " : "a refresh ") + when);
        };
        goOnAround("while the window has just stopped answering");
        // Windows counts a window as hung once it has not answered for 5 s,
        // and treats calls to it differently from then on.
        WaitFor(
            [&] {
                probeVistrel();
                return IsHungAppWindow(sleepy) != FALSE;
            },
            kProgressTimeoutMs, "the system to count the window as hung");
        goOnAround("once the window counts as hung");
        EXPECT_TRUE(helper.State(sleepy).hanging) << "the hang ended before the test woke the window";
        Report("probes", probes);
        EXPECT_EQ(unanswered, 0) << "Vistrel did not answer within " << kProbeTimeoutMs << " ms";
        EXPECT_EQ(unserved, 0) << "Vistrel's message loop stood still for " << kProbeTimeoutMs << " ms";

        // Once the window answers again, both stay listed and Vistrel goes on.
        helper.Wake(sleepy);
        WaitFor([&] { return Answers(sleepy, 200); }, 10000, "the woken window to answer again");
        probe.WaitForItem("Hang witness");
        probe.WaitForItem("Hang sleepy");
        if (c.autoOn) app.ClickCheckBox(ids::AutoChkBox);
    }
    EXPECT_EQ(app.Close(), 0u);
    VistrelSettings::Remove();
}

std::string CaseName(const ::testing::TestParamInfo<HangCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(OtherProgram, HungWindowTest,
                         ::testing::Values(HangCase{"AutoPasses", false, true, false},
                                           HangCase{"RefreshCommands", false, false, true}),
                         CaseName);

// The same with the hung window inside Vistrel's process, where PrintWindow
// would reach it under Wine. Off, because there the program's own title reads
// hang with it: GetWindowTextA sends WM_GETTEXT to every window of the
// calling process (and only to those), so each change tick waits for the
// hung thread. Real hung windows belong to other programs; run these with
// --gtest_also_run_disabled_tests once titles are read without a message.
INSTANTIATE_TEST_SUITE_P(DISABLED_InsideVistrel, HungWindowTest,
                         ::testing::Values(HangCase{"AutoPasses", true, true, false},
                                           HangCase{"RefreshCommands", true, false, true}),
                         CaseName);

}  // namespace
}  // namespace vistrel::e2e
