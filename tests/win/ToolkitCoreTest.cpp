// The toolkit's core: threads and their hand-over to the user-interface
// thread, timers, forms with aligned children, check boxes and hints.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

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

    // Serves this thread's messages until done() holds, waking for each
    // message and for `wake` when given; false once the generous limit is
    // reached.
    static bool PumpUntil(const std::function<bool()>& done, HANDLE wake = nullptr) {
        constexpr ULONGLONG kLimitMs = 20000;
        const ULONGLONG end = GetTickCount64() + kLimitMs;
        for (;;) {
            Application::Instance().ProcessMessages();
            if (done()) return true;
            const ULONGLONG now = GetTickCount64();
            if (now >= end) return false;
            MsgWaitForMultipleObjects(wake ? 1 : 0, &wake, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        }
    }
};

// A timer that counts its ticks: the yardstick of the waits below that show
// something does not happen. Each tick has passed through the same message
// loop that would have served the thing that must not happen.
class TickCounter {
public:
    explicit TickCounter(UINT intervalMs) {
        timer_.OnTimer = [this](Component&) { ++ticks; };
        timer_.SetInterval(intervalMs);
        timer_.SetEnabled(true);
    }
    int ticks = 0;

private:
    Timer timer_;
};

// Counts how often it ran its unit of work in the user-interface thread, and
// signals each arrival at the point where a suspended thread stops.
class CountingThread : public Thread {
public:
    CountingThread() : arrived(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
    ~CountingThread() override { Stop(); }
    std::atomic<int> runs{0};
    std::atomic<int> arrivals{0};
    std::atomic<bool> ranOnUiThread{true};
    platform::UniqueHandle arrived;

protected:
    void Execute() override {
        for (;;) {
            ++arrivals;
            SetEvent(arrived.get());
            if (!WaitWhileSuspended()) break;
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
    // An arrival counted after Suspend returned comes to the pause with the
    // flag already set: from there on the thread stops. A call in flight
    // before it is served meanwhile.
    const int arrivalsAtSuspend = thread.arrivals;
    ASSERT_TRUE(PumpUntil([&] { return thread.arrivals > arrivalsAtSuspend; }, thread.arrived.get()));
    const int runs = thread.runs;
    // Running, the thread works every 5 ms; twenty ticks of 10 ms give it
    // ample room to show that it does not.
    TickCounter yardstick(10);
    ASSERT_TRUE(PumpUntil([&] { return yardstick.ticks >= 20; }));
    EXPECT_EQ(thread.runs, runs);
    EXPECT_EQ(thread.arrivals, arrivalsAtSuspend + 1);
    thread.Resume();
    EXPECT_TRUE(PumpUntil([&] { return thread.runs > runs; }));
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

class FailingWorker : public Thread {
public:
    ~FailingWorker() override { Stop(); }

protected:
    void Execute() override { throw std::runtime_error("worker failed"); }
};

// A worker's failure is reported in the user-interface thread as any is.
TEST_F(ToolkitCore, AWorkersFailureIsReported) {
    std::u16string reported;
    Application::Instance().OnErrorBox = [&](const std::u16string& text) { reported = text; };
    FailingWorker worker;
    worker.Resume();
    EXPECT_TRUE(PumpUntil([&] { return !reported.empty(); }));
    Application::Instance().OnErrorBox = nullptr;
    EXPECT_EQ(reported, u"worker failed");
}

// Blocked in a call that no request to end can interrupt, as a broken
// performance counter can be, until the test lets it go.
class StuckWorker : public Thread {
public:
    ~StuckWorker() override { Stop(); }
    platform::UniqueHandle release{CreateEventA(nullptr, TRUE, FALSE, nullptr)};

protected:
    void Execute() override { WaitForSingleObject(release.get(), INFINITE); }
};

TEST_F(ToolkitCore, AStopWithinATimeGivesUpOnAWorkerThatCannotEnd) {
    StuckWorker worker;
    worker.Resume();
    EXPECT_FALSE(worker.StopWithin(50));
    EXPECT_TRUE(worker.Terminated());
    SetEvent(worker.release.get());
    EXPECT_TRUE(worker.StopWithin(INFINITE));
}

// Told to end, it ends only once a second stop has begun.
class AwaitsASecondStop : public Thread {
public:
    ~AwaitsASecondStop() override { Stop(); }
    platform::UniqueHandle secondStop{CreateEventA(nullptr, TRUE, FALSE, nullptr)};

protected:
    void Execute() override {
        while (SleepFor(1000)) {
        }
        WaitForSingleObject(secondStop.get(), 10000);
    }
};

// Hands over one call.
class CallsOnce : public Thread {
public:
    explicit CallsOnce(std::function<void()> call) : call_(std::move(call)) {}
    ~CallsOnce() override { Stop(); }

protected:
    void Execute() override { Synchronize(call_); }

private:
    std::function<void()> call_;
};

TEST_F(ToolkitCore, AStopInsideTheWaitOfAnotherStopEndsBoth) {
    // The end of the session arrives while the close waits for a worker, and
    // stops that worker once more inside the wait.
    AwaitsASecondStop worker;
    worker.Resume();
    bool innerStopped = false;
    CallsOnce sessionEnd([&] {
        SetEvent(worker.secondStop.get());
        innerStopped = worker.Stop();
    });
    sessionEnd.Resume();
    bool outerStopped = false;
    EXPECT_NO_THROW(outerStopped = worker.Stop());
    EXPECT_TRUE(innerStopped);
    EXPECT_TRUE(outerStopped);
    EXPECT_TRUE(sessionEnd.Stop());
}

// Inside a worker's call, what waits for the call's end stays out of the
// pumps that run there, which end; it runs from the message loop afterwards.
TEST_F(ToolkitCore, WorkWaitingForTheCallsEndNeverRunsInsideIt) {
    auto& app = Application::Instance();
    int runs = 0;
    int runsInsideCall = -1;
    CallsOnce worker([&] {
        app.WhenCallsServed(this, [&] { ++runs; });
        app.ProcessMessages();  // would spin for ever on a message that re-posts itself
        runsInsideCall = runs;
    });
    worker.Resume();
    EXPECT_TRUE(PumpUntil([&] { return runs == 1; }));
    EXPECT_EQ(runsInsideCall, 0);
}

TEST_F(ToolkitCore, OnlyTheWorkersOwnCallsAreRun) {
    // Anyone can send the plumbing window its message with a pointer; only a
    // call a worker is waiting in is run.
    int runs = 0;
    platform::UniqueHandle answered(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    const std::function<void()> stranger = [&] { ++runs; };
    std::thread outsider([&] {
        SendMessageA(Application::Instance().UtilityWindow(), WM_VT_SYNCHRONIZE,
                     GetCurrentThreadId(), reinterpret_cast<LPARAM>(&stranger));
        SetEvent(answered.get());
    });
    EXPECT_TRUE(PumpUntil([&] { return WaitForSingleObject(answered.get(), 0) == WAIT_OBJECT_0; },
                          answered.get()));
    outsider.join();
    EXPECT_EQ(runs, 0);
}

TEST_F(ToolkitCore, TimersTickAndAZeroIntervalNeverDoes) {
    Timer idle;
    int idleTicks = 0;
    idle.OnTimer = [&](Component&) { ++idleTicks; };
    idle.SetInterval(0);
    idle.SetEnabled(true);

    TickCounter ticking(10);
    EXPECT_TRUE(PumpUntil([&] { return ticking.ticks >= 20; }));
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

// A form that moves to a monitor of another scale takes the rectangle it is
// offered, its controls keep their places in proportion (the aligned ones
// aligned) and get their fonts at the new DPI; and it all comes back.
TEST_F(ToolkitCore, AFormFollowsTheDpiOfItsMonitor) {
    TestForm form;
    form.box.SetFont(form.ScaledFont("Arial", -12));
    form.Realign();
    const int start = form.Dpi();
    int seenOld = 0;
    form.OnDpiChanged = [&](Form&, int oldDpi) { seenOld = oldDpi; };
    const auto fontHeight = [&] {
        LOGFONTA font{};
        GetObjectA(form.box.Font(), sizeof(font), &font);
        return font.lfHeight;
    };
    const RECT boxAtStart = form.box.BoundsRect();
    const int topAtStart = form.top.Height();

    const int larger = start * 3 / 2;
    RECT offered{10, 20, 610, 470};
    SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(larger, larger), reinterpret_cast<LPARAM>(&offered));
    EXPECT_EQ(BoundsInParent(form.Handle()).bottom, 470);
    EXPECT_EQ(seenOld, start);
    EXPECT_EQ(fontHeight(), MulDiv(-12, larger, 96));
    EXPECT_EQ(form.box.BoundsRect().right, MulDiv(boxAtStart.right, larger, start));
    EXPECT_EQ(form.top.Height(), MulDiv(topAtStart, larger, start));
    EXPECT_EQ(form.client.BoundsRect().bottom, form.ClientHeight() - form.bottom.Height()) << "still aligned";

    offered = {10, 20, 410, 320};
    SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(start, start), reinterpret_cast<LPARAM>(&offered));
    EXPECT_EQ(fontHeight(), MulDiv(-12, start, 96));
    EXPECT_EQ(form.box.BoundsRect().right, boxAtStart.right);
    EXPECT_EQ(form.top.Height(), topAtStart);
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
