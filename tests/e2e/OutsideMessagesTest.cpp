// Any program can post or send Vistrel's windows anything at any moment:
// commands while the list is rebuilt, the program's private message numbers
// with values it never posted, system messages whose parameter would be a
// pointer. None of it freezes or ends the program.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "ListWaits.h"
#include "VistrelSuites.h"

namespace vistrel::e2e {
namespace {

class OutsideMessagesTest : public VistrelTest {
protected:
    // The program's message-only plumbing window, found by its class name
    // as any program can find it.
    HWND PlumbingWindow() const {
        HWND found = nullptr;
        while ((found = FindWindowExA(HWND_MESSAGE, found, "VistrelUtilityWindow", nullptr))) {
            DWORD pid = 0;
            GetWindowThreadProcessId(found, &pid);
            if (pid == app_->ProcessId()) return found;
        }
        return nullptr;
    }

    // Still alive, still keeping its list, and it ends cleanly when closed.
    void ExpectStillWorking(TestWindows& helper) {
        ASSERT_TRUE(app_->IsRunning()) << "Vistrel ended";
        helper.Create(Plan(Kind::Frame, "Outside after", 760, 300, 300, 200, 0x30A050).Quiet());
        EXPECT_TRUE(WaitUntil([&] { return Lists("Outside after"); }, 10000)) << "the list no longer follows the windows";
        EXPECT_EQ(app_->Close(20000), 0u) << "Vistrel did not end cleanly after a close";
    }

    // Read as a user sees it, also while the list is being built anew.
    bool Lists(const std::string& title) const {
        const auto titles = TitlesIfReadable(*app_);
        return titles && Contains(*titles, title);
    }

    std::optional<VistrelProcess> app_;
};

// Context-menu choices arrive as posted commands, and the rebuild after a
// window opens or closes processes our messages: a command that came back to
// that pump each time it was put off kept it turning for good.
TEST_F(OutsideMessagesTest, CommandsPostedWhileTheListIsRebuiltNeverFreezeIt) {
    TestWindows helper = TestWindows::StartExe();
    app_.emplace(VistrelProcess::Start());
    const HWND main = app_->MainWindow();
    std::atomic<bool> posting{true};
    std::thread poster([&] {
        while (posting) {
            // Moving forward with nothing selected: a command that waits for
            // nothing and changes nothing.
            PostMessageA(main, WM_COMMAND, MAKEWPARAM(ids::ToolButton16, 0), 0);
            Sleep(5);
        }
    });
    // Stopped however the loop below ends, a driver's error included.
    struct StopPosting {
        std::atomic<bool>& posting;
        std::thread& poster;
        ~StopPosting() {
            posting = false;
            poster.join();
        }
    } stop{posting, poster};
    for (int i = 0; i < 12; ++i) {
        const std::string title = "Outside " + std::to_string(i);
        const HWND window = helper.Create(Plan(Kind::Frame, title, 760, 300, 300, 200, 0x3050D0).Quiet());
        const bool listed = WaitUntil([&] { return Lists(title); }, 10000);
        helper.Close(window);
        if (!listed) {
            ADD_FAILURE() << "a new window was no longer listed: " << title;
            break;
        }
    }
    ExpectStillWorking(helper);
}

TEST_F(OutsideMessagesTest, StrangersPrivateAndPointerMessagesNeverCrashIt) {
    TestWindows helper = TestWindows::StartExe();
    app_.emplace(VistrelProcess::Start());
    const HWND plumbing = PlumbingWindow();
    ASSERT_NE(plumbing, nullptr);
    const HWND main = app_->MainWindow();
    const HWND list = app_->Control(ids::ListView1);
    // Values no part of Vistrel ever gave: an address in the page nobody
    // maps, and one far out of any.
    const std::vector<LPARAM> values{0x10, static_cast<LPARAM>(-4096), 1};
    for (const HWND target : {plumbing, main}) {
        for (UINT message = WM_APP; message <= WM_APP + 8; ++message)
            for (const LPARAM value : values) PostMessageA(target, message, 0x1234, value);
    }
    for (const LPARAM value : values) {
        // The system messages whose parameter is a pointer into the sender.
        for (const UINT message : {static_cast<UINT>(WM_NOTIFY), static_cast<UINT>(WM_DPICHANGED)}) {
            PostMessageA(main, message, MAKEWPARAM(144, 144), value);
            DWORD_PTR answer = 0;
            SendMessageTimeoutA(main, message, MAKEWPARAM(144, 144), value, SMTO_ABORTIFHUNG, 2000, &answer);
            SendMessageTimeoutA(list, message, MAKEWPARAM(144, 144), value, SMTO_ABORTIFHUNG, 2000, &answer);
        }
    }
    // The end of the session is only ever sent, by the system.
    PostMessageA(main, WM_QUERYENDSESSION, 0, 0);
    PostMessageA(main, WM_ENDSESSION, TRUE, 0);
    ExpectStillWorking(helper);
}

}  // namespace
}  // namespace vistrel::e2e
