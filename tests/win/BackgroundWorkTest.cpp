// The background of the main window: the change tick and the automatic
// passes never run inside a command, and never outlive their owner.

#include "catalogue/BackgroundWork.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>

#include "toolkit/Application.h"
#include "toolkit/Timer.h"

namespace vistrel {
namespace {

// Pumps until done() or the limit; true when done.
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 5000) {
    const ULONGLONG end = GetTickCount64() + limitMs;
    while (!done()) {
        if (GetTickCount64() > end) return false;
        tk::Application::Instance().ProcessMessages();
        Sleep(1);
    }
    return true;
}

class BackgroundWorkTest : public ::testing::Test {
protected:
    void SetUp() override {
        tk::Application::Instance().Initialize();
        work = std::make_unique<BackgroundWork>(
            timer, [this] { return autoOn; }, [this] { Visit(ticks); },
            [this](int, int) { Visit(steps); });
        work->OnIdle = [this] { ++idles; };
        work->SetItemCount(1000000);  // a pass that would not end by itself
    }

    void Visit(std::atomic<int>& counter) {
        ++counter;
        if (insideCommand || gone) ++intrusions;
    }

    tk::Timer timer;
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
        BackgroundWork::Pause pause(*work);
        EXPECT_FALSE(work->PassRunning());
        insideCommand = true;
        // The command's own waits process messages.
        const int seen = steps;
        PumpUntil([] { return false; }, 100);
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
        BackgroundWork::Pause outer(*work);
        {
            BackgroundWork::Pause inner(*work);
            EXPECT_FALSE(work->StartPass(0)) << "no pass starts inside a command";
        }
        EXPECT_TRUE(work->Busy());
        EXPECT_FALSE(timer.Enabled());
        EXPECT_EQ(idles, 0);
        insideCommand = true;
        // Longer than a tick period: nothing else marks that a tick would
        // have come, since none may.
        PumpUntil([] { return false; }, 700);
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
