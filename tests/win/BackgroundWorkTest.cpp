// The background of the main window: the change tick and the automatic
// passes never run inside a command, and never outlive their owner.

#include "catalogue/BackgroundWork.h"
#include "main/CommandGate.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>

#include "toolkit/Application.h"
#include "toolkit/Timer.h"

namespace vistrel {
namespace {

// Serves this thread's messages until done() holds, waking for each one;
// false once the generous limit is reached.
bool PumpUntil(const std::function<bool()>& done) {
    const ULONGLONG end = GetTickCount64() + 20000;
    for (;;) {
        tk::Application::Instance().ProcessMessages();
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

// A timer that counts its ticks: each one has come through the message loop
// that would have served whatever must not happen.
struct TickWitness {
    explicit TickWitness(UINT intervalMs) {
        timer.OnTimer = [this](tk::Component&) { ++ticks; };
        timer.SetInterval(intervalMs);
        timer.SetEnabled(true);
    }
    tk::Timer timer;
    int ticks = 0;
};

class BackgroundWorkTest : public ::testing::Test {
protected:
    void SetUp() override {
        tk::Application::Instance().Initialize();
        work = std::make_unique<BackgroundWork>(
            timer, [this] { return autoOn; }, [this] { Visit(ticks); },
            [this](int, int) {
                Visit(steps);
                return false;
            });
        gate.Attach(*work);
        work->SetItemCount(1000000);  // a pass that would not end by itself
    }

    void Visit(std::atomic<int>& counter) {
        ++counter;
        if (insideCommand || gone) ++intrusions;
    }

    tk::Timer timer;
    ClosingSequence closing{ClosingSteps{}};
    // The end of the outermost command tells the gate, which posts.
    CommandGate gate{closing, [this] { ++idles; }, {}};
    bool autoOn = true;
    std::unique_ptr<BackgroundWork> work;
    std::atomic<int> ticks{0}, steps{0}, intrusions{0};
    int idles = 0;
    bool insideCommand = false;
    bool gone = false;
};

TEST_F(BackgroundWorkTest, APauseWaitsForARunningPassHoweverAutoStands) {
    ASSERT_TRUE(work->StartPass(0));
    ASSERT_TRUE(PumpUntil([&] { return steps >= 3; }));
    autoOn = false;  // unchecked while the pass runs
    {
        const auto command = gate.TryBegin();
        ASSERT_TRUE(command);
        EXPECT_FALSE(work->PassRunning());
        insideCommand = true;
        // The command's own waits process messages. A pass steps as fast as
        // it is served; five ticks of a witness give it ample chances.
        const int seen = steps;
        TickWitness witness(10);
        ASSERT_TRUE(PumpUntil([&] { return witness.ticks >= 5; }));
        EXPECT_EQ(steps, seen);
        insideCommand = false;
    }
    EXPECT_EQ(intrusions, 0);
    EXPECT_FALSE(timer.Enabled()) << "with \"Auto\" off the timer stays off";
}

TEST_F(BackgroundWorkTest, OnlyTheOutermostCommandResumes) {
    work->Start();
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 1; }));
    {
        const auto outer = gate.TryBegin();
        ASSERT_TRUE(outer);
        gate.HoldSize();  // the size bar held meanwhile
        EXPECT_FALSE(work->StartPass(0)) << "no pass starts inside a command";
        gate.ReleaseSize();
        EXPECT_TRUE(work->Busy());
        EXPECT_FALSE(timer.Enabled());
        EXPECT_EQ(idles, 0);
        insideCommand = true;
        // An update thread of its own started now: by its third tick two of
        // its periods have passed, and a change tick let through the pause
        // would have come in the first.
        int witnessTicks = 0;
        {
            TUpdateThread witness([&] { ++witnessTicks; });
            witness.Resume();
            ASSERT_TRUE(PumpUntil([&] { return witnessTicks >= 3; }));
        }
        insideCommand = false;
    }
    EXPECT_FALSE(work->Busy());
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(idles, 1);
    EXPECT_EQ(intrusions, 0);
    const int before = ticks;
    EXPECT_TRUE(PumpUntil([&] { return ticks > before; })) << "the change tick goes on afterwards";
}

TEST_F(BackgroundWorkTest, NoWorkerCallsInOnceItsOwnerIsGone) {
    work->Start();
    ASSERT_TRUE(work->StartPass(0));
    ASSERT_TRUE(PumpUntil([&] { return steps >= 2 && ticks >= 1; }));
    work.reset();  // stops and joins both threads, serving their last calls
    gone = true;
    // Joined threads send nothing more; anything still queued shows here.
    tk::Application::Instance().ProcessMessages();
    EXPECT_EQ(intrusions, 0);
}

}  // namespace
}  // namespace vistrel
