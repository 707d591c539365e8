// A listed window that stops answering must not stop Vistrel: while it
// hangs, automatic passes and the refresh command go on around it and the
// main window keeps answering. Every 100 ms Vistrel is probed twice, and the
// slowest answers are reported; the bound asserted is loose.
//
// A sent WM_NULL is answered even by a thread that is itself stuck in a
// SendMessage to the hung window (a thread waiting for its own sent message
// still serves the ones sent to it), so it alone would miss such a freeze.
// The second probe goes through the message queue, as input and painting
// do: a posted LVM_SETHOVERTIME to the list view, read back with
// LVM_GETHOVERTIME. The hover time means nothing to a list view without
// hot tracking, so the probe changes nothing the user sees.
#include <gtest/gtest.h>

#include <algorithm>

#include "ThumbnailProbe.h"

namespace vistrel::e2e {
namespace {

constexpr int kHangMs = 10000;
constexpr int kProbeEveryMs = 100;
constexpr UINT kProbeTimeoutMs = 5000;
constexpr uint64_t kSlowestAnswerMs = 1000;
// Windows counts a window as hung once it has not answered for 5 s; the
// refresh commands come before and after that point.
constexpr uint64_t kRefreshAtMs[] = {300, 5500};

struct HangCase {
    const char* name;
    bool insideVistrel;  // the hung window lives in Vistrel's own process
    bool autoOn;
    bool refreshCommands;
};

void PrintTo(const HangCase& c, std::ostream* out) { *out << c.name; }

class HungWindowTest : public ::testing::TestWithParam<HangCase> {};

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
    if (!VistrelProcess::IsBuilt()) GTEST_SKIP() << "Vistrel.exe is not built yet";
    const HangCase& c = GetParam();
    VistrelOptions options;
    options.settingsKey = VistrelOptions::Key::Present;
    options.tims = 300;
    VistrelProcess app = VistrelProcess::Start(options);
    {
        TestWindows helper = c.insideVistrel ? app.InjectTestWindows() : TestWindows::StartExe();
        const ThumbnailProbe probe(app);
        helper.Create(TestFrame("Hang calm", kBesideVistrelX, 80, 300, 200, 0x40B040));
        // A group of its own: only this window's thread sleeps.
        HWND sleepy = helper.Create(TestFrame("Hang sleepy", kBesideVistrelX + 40, 400, 300, 200, 0x3050D0, 1));
        probe.WaitForItem("Hang calm");
        probe.WaitForItem("Hang sleepy");
        if (c.autoOn) app.ClickCheckBox(ids::AutoChkBox);

        helper.Hang(sleepy, kHangMs);
        const ULONGLONG start = GetTickCount64();
        WaitFor([&] { return !Answers(sleepy, 50); }, 2000, "the window to hang");

        int probes = 0, unanswered = 0, unserved = 0;
        uint64_t slowestAnswer = 0, slowestQueue = 0;
        size_t refreshes = 0;
        while (Elapsed(start) < static_cast<uint64_t>(kHangMs)) {
            if (c.refreshCommands && refreshes < std::size(kRefreshAtMs) && Elapsed(start) >= kRefreshAtMs[refreshes]) {
                app.PostCommand(ids::ToolButton1);
                ++refreshes;
            }
            ULONGLONG sent = GetTickCount64();
            if (!Answers(app.MainWindow(), kProbeTimeoutMs)) ++unanswered;
            slowestAnswer = std::max<uint64_t>(slowestAnswer, Elapsed(sent));
            sent = GetTickCount64();
            if (!QueueServed(probe.List(), 1000 + static_cast<DWORD>(probes), kProbeTimeoutMs)) ++unserved;
            slowestQueue = std::max<uint64_t>(slowestQueue, Elapsed(sent));
            if (Elapsed(sent) > kSlowestAnswerMs)
                std::printf("[ slow     ] the queue probe sent %llu ms into the hang took %llu ms\n",
                            static_cast<unsigned long long>(sent - start), static_cast<unsigned long long>(Elapsed(sent)));
            ++probes;
            Sleep(kProbeEveryMs);
        }
        Report("probes", probes);
        Report("sent_unanswered", unanswered);
        Report("sent_slowest_ms", slowestAnswer);
        Report("posted_unserved", unserved);
        Report("posted_slowest_ms", slowestQueue);
        EXPECT_EQ(unanswered, 0) << "Vistrel did not answer within " << kProbeTimeoutMs << " ms";
        EXPECT_LE(slowestAnswer, kSlowestAnswerMs) << "Vistrel froze with the hung window";
        EXPECT_EQ(unserved, 0) << "Vistrel's message loop stood still for " << kProbeTimeoutMs << " ms";
        EXPECT_LE(slowestQueue, kSlowestAnswerMs) << "Vistrel's message loop froze with the hung window";

        // Once the window answers again, both stay listed and Vistrel goes on.
        WaitFor([&] { return Answers(sleepy, 200); }, 10000, "the hung window to answer again");
        probe.WaitForItem("Hang calm");
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
