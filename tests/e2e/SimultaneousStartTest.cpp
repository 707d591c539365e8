// Copies of the program started at the same moment, as a launcher that fires
// twice or an impatient double click does: one of them runs, every other one
// says that it already runs and ends without a window of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "VistrelProcess.h"

namespace vistrel::e2e {
namespace {

constexpr int kCopies = 5;
// Five Wine processes starting at once on a busy machine take their time.
constexpr int kSettleTimeoutMs = 90000;

// The copies and their folder. Should a check fail, nothing may stay behind
// for the next test: a main window is asked to close, anything else ends by
// its own handle.
struct Copies {
    test::TempFolder folder{"Vistrel-e2e-together"};
    std::vector<Process> processes;

    ~Copies() {
        for (Process& p : processes) {
            if (HasExited(p.handle.get())) continue;
            if (HWND main = FindTopLevel(p.id, kMainWindowClass)) PostMessageA(main, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(p.handle.get(), 15000) != WAIT_OBJECT_0) {
                TerminateProcess(p.handle.get(), 1);
                WaitForSingleObject(p.handle.get(), 5000);
            }
        }
        WaitUntil([&] { return folder.Remove(); }, 3000);
    }
};

TEST(SimultaneousStartTest, OneCopyRunsAndEveryOtherOneSaysSoAndEnds) {
    if (!VistrelProcess::IsBuilt()) GTEST_SKIP() << "Vistrel.exe is not built yet";
    ASSERT_EQ(FindWindowA(kMainWindowClass, nullptr), nullptr) << "an earlier test left Vistrel running";
    VistrelSettings::Remove();

    Copies copies;
    const std::string exe = copies.folder.File("Vistrel.exe");
    ASSERT_TRUE(CopyFileA(VistrelExePath().c_str(), exe.c_str(), FALSE));
    copies.processes = StartTogether(exe, kCopies, copies.folder.Path());

    // Every copy ends up showing either its main window or the message box.
    std::vector<HWND> mains(kCopies, nullptr);
    std::vector<HWND> boxes(kCopies, nullptr);
    const bool settled = WaitUntil(
        [&] {
            int done = 0;
            for (int i = 0; i < kCopies; ++i) {
                const DWORD pid = copies.processes[i].id;
                if (!mains[i]) mains[i] = FindTopLevel(pid, kMainWindowClass);
                if (!boxes[i]) boxes[i] = FindTopLevel(pid, kDialogClass);
                if (mains[i] || boxes[i] || HasExited(copies.processes[i].handle.get())) ++done;
            }
            return done == kCopies;
        },
        kSettleTimeoutMs);
    ASSERT_TRUE(settled) << "not every copy showed a window within " << kSettleTimeoutMs << " ms";

    int mainCopy = -1;
    int mainCount = 0;
    int boxCount = 0;
    for (int i = 0; i < kCopies; ++i) {
        EXPECT_FALSE(mains[i] && boxes[i]) << "copy " << i << " shows a main window and a message box";
        if (mains[i]) {
            ++mainCount;
            mainCopy = i;
        }
        if (boxes[i]) ++boxCount;
    }
    EXPECT_EQ(mainCount, 1) << "main windows";
    EXPECT_EQ(boxCount, kCopies - 1) << "already-running message boxes";

    const std::string expected = std::string(kVistrelTitle) + " は実行中です。";
    for (int i = 0; i < kCopies; ++i) {
        if (!boxes[i]) continue;
        SCOPED_TRACE("copy " + std::to_string(i));
        const std::vector<std::string> texts = StaticTexts(boxes[i]);
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end())
            << "the message box does not say \"" << expected << "\"";
        EXPECT_EQ(WindowText(boxes[i]), kVistrelTitle) << "the message box's caption";
        const HWND ok = FindChild(boxes[i], IDOK);
        ASSERT_NE(ok, nullptr) << "the message box has no OK button";
        ClickButton(ok);
        EXPECT_EQ(WaitForExit(copies.processes[i].handle.get(), 15000, "a copy after its message box"), 0u);
    }

    ASSERT_EQ(mainCount, 1);
    Process& running = copies.processes[mainCopy];
    ASSERT_FALSE(HasExited(running.handle.get())) << "the copy with the main window ended by itself";
    ASSERT_TRUE(PostMessageA(mains[mainCopy], WM_CLOSE, 0, 0));
    EXPECT_EQ(WaitForExit(running.handle.get(), 30000, "the running copy"), 0u);
}

}  // namespace
}  // namespace vistrel::e2e
