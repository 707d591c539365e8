// The toolkit's core: threads and their hand-over to the user-interface
// thread, timers, forms with aligned children, check boxes and hints.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <thread>

#include "toolkit/Application.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/Messages.h"
#include "toolkit/Panel.h"
#include "toolkit/Thread.h"
#include "toolkit/Timer.h"

namespace vistrel::tk {
namespace {

class ToolkitCore : public ::testing::Test {
protected:
    void SetUp() override { Application::Instance().Initialize(); }

    // Pumps until done() or the limit; true when done.
    static bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 3000) {
        const ULONGLONG end = GetTickCount64() + limitMs;
        while (!done()) {
            if (GetTickCount64() > end) return false;
            Application::Instance().ProcessMessages();
            Sleep(1);
        }
        return true;
    }
};

// Counts how often it ran its unit of work in the user-interface thread.
class CountingThread : public Thread {
public:
    ~CountingThread() override { Stop(); }
    std::atomic<int> runs{0};
    std::atomic<bool> ranOnUiThread{true};

protected:
    void Execute() override {
        while (WaitWhileSuspended()) {
            Synchronize([this] {
                if (GetCurrentThreadId() != Application::Instance().MainThreadId())
                    ranOnUiThread = false;
                ++runs;
            });
            if (!SleepFor(5)) break;
        }
    }
};

TEST_F(ToolkitCore, SynchronizedWorkRunsInTheUiThreadWhileItWaits) {
    CountingThread thread;
    thread.Resume();
    EXPECT_TRUE(PumpUntil([&] { return thread.runs >= 5; }));
    EXPECT_TRUE(thread.ranOnUiThread);
    // The destructor terminates and waits, serving the last synchronised call.
}

TEST_F(ToolkitCore, ASuspendedThreadDoesNoWorkUntilResumed) {
    CountingThread thread;
    thread.Resume();
    ASSERT_TRUE(PumpUntil([&] { return thread.runs >= 1; }));
    thread.Suspend();
    PumpUntil([] { return false; }, 100);  // let a call in flight finish
    const int before = thread.runs;
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(thread.runs, before);
    thread.Resume();
    EXPECT_TRUE(PumpUntil([&] { return thread.runs > before; }));
}

// Hands over one call and then waits to be told to end.
class OneCall : public Thread {
public:
    explicit OneCall(std::atomic<int>& calls) : calls_(calls) {}
    ~OneCall() override { Stop(); }
    std::atomic<bool> handedOver{false};

protected:
    void Execute() override {
        handedOver = true;
        Synchronize([this] { ++calls_; });
        while (SleepFor(1000)) {
        }
    }

private:
    std::atomic<int>& calls_;
};

TEST_F(ToolkitCore, StoppingServesTheCallInFlightWithoutRunningItAndRunsNothingElse) {
    std::atomic<int> calls{0};
    HWND plumbing = Application::Instance().UtilityWindow();
    {
        OneCall thread(calls);
        thread.Resume();
        // The worker now sits in its synchronised call, which only a pump
        // serves. Meanwhile a close-like message is posted to our thread.
        for (int i = 0; i < 3000 && !thread.handedOver; ++i) Sleep(1);  // no pumping here
        ASSERT_TRUE(thread.handedOver);
        PostMessageA(plumbing, WM_USER + 7, 0, 0);
        thread.Stop();  // joins: serves the call, which must not run any more
        MSG msg;
        const bool posted = PeekMessageA(&msg, plumbing, WM_USER + 7, WM_USER + 7, PM_REMOVE) != 0;
        EXPECT_TRUE(posted) << "a posted message was dispatched inside the wait";
    }
    EXPECT_EQ(calls, 0);
}

TEST_F(ToolkitCore, OnlyTheWorkersOwnCallsAreRun) {
    // Anyone can send the plumbing window its message with a pointer; only a
    // call a worker is waiting in is run.
    int runs = 0;
    std::atomic<bool> answered{false};
    const std::function<void()> stranger = [&] { ++runs; };
    std::thread outsider([&] {
        SendMessageA(Application::Instance().UtilityWindow(), WM_VT_SYNCHRONIZE,
                     GetCurrentThreadId(), reinterpret_cast<LPARAM>(&stranger));
        answered = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return answered.load(); }));
    outsider.join();
    EXPECT_EQ(runs, 0);
}

TEST_F(ToolkitCore, TimersTickAndAZeroIntervalNeverDoes) {
    Timer ticking;
    int ticks = 0;
    ticking.OnTimer = [&](Component&) { ++ticks; };
    ticking.SetInterval(10);
    ticking.SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    ticking.SetEnabled(false);

    Timer idle;
    int idleTicks = 0;
    idle.OnTimer = [&](Component&) { ++idleTicks; };
    idle.SetInterval(0);
    idle.SetEnabled(true);
    PumpUntil([] { return false; }, 200);
    EXPECT_EQ(idleTicks, 0);
}

class TestForm : public Form {
public:
    TestForm() {
        CreateForm("VistrelToolkitTestForm", "toolkit test", {0, 0, 400, 300});
        top.Create(this, 1, {0, 0, 10, 40}, RGB(255, 0, 0));
        top.SetAlign(Align::Top);
        bottom.Create(this, 2, {0, 0, 10, 20}, RGB(0, 255, 0));
        bottom.SetAlign(Align::Bottom);
        client.Create(this, 3, {0, 0, 10, 10}, RGB(0, 0, 255));
        client.SetAlign(Align::Client);
        box.Create(&client, 4, {5, 5, 100, 20}, "box");
    }
    Panel top, bottom, client;
    CheckBox box;
};

TEST_F(ToolkitCore, AlignedChildrenShareTheClientAreaEvenWhileHidden) {
    TestForm form;
    form.Realign();
    const int w = form.ClientWidth();
    const int h = form.ClientHeight();
    EXPECT_EQ(form.top.BoundsRect().top, 0);
    EXPECT_EQ(form.top.Width(), w);
    EXPECT_EQ(form.bottom.BoundsRect().bottom, h);
    EXPECT_EQ(form.client.BoundsRect().top, 40);
    EXPECT_EQ(form.client.Height(), h - 40 - 20);
}

TEST_F(ToolkitCore, CloseQueryCanRefuseAndCheckedStateRunsTheClickOnce) {
    TestForm form;
    bool allow = false;
    int closes = 0;
    form.OnCloseQuery = [&](Form&, bool& canClose) { canClose = allow; };
    form.OnClose = [&](Component&) { ++closes; };
    form.Close();
    EXPECT_EQ(closes, 0);
    allow = true;
    form.Close();
    EXPECT_EQ(closes, 1);

    int clicks = 0;
    form.box.OnClick = [&](Component&) { ++clicks; };
    form.box.SetChecked(true);
    form.box.SetChecked(true);  // no change, no click
    EXPECT_TRUE(form.box.Checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolkitCore, TheHintEventRunsOnlyWhenTheHintChanges) {
    auto& app = Application::Instance();
    int calls = 0;
    std::string seen;
    app.OnHint = [&](const std::string& hint) {
        ++calls;
        seen = hint;
    };
    app.SetHint("更新|全てのウィンドウを更新表示");
    app.SetHint("更新|全てのウィンドウを更新表示");
    app.SetHint("");
    app.OnHint = nullptr;
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(seen, "");
}

}  // namespace
}  // namespace vistrel::tk
